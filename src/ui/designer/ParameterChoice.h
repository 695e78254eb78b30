#pragma once
// The parameter choice: catalogue entries in catalogue order, group headings
// drawn in their group colour, entries painted with the colour of their group.
#include <QComboBox>
#include <QStyledItemDelegate>

#include "core/model/ParameterCatalogue.h"

namespace roamplot {

class ParameterChoiceDelegate : public QStyledItemDelegate {
  public:
    ParameterChoiceDelegate(const ParameterCatalogue& catalogue, QObject* parent)
        : QStyledItemDelegate(parent), catalogue_(catalogue) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const ParameterCatalogue& catalogue_;
};

// Fills the choice with one item per catalogue position; headings cannot be chosen.
void FillParameterChoice(QComboBox& choice, const ParameterCatalogue& catalogue);

} // namespace roamplot
