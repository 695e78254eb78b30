#pragma once
// The parameter choice: catalogue entries in catalogue order, group headings
// drawn in their group colour, entries painted with the colour of their group.
// Typing narrows the open list to the entries whose names hold the typed text.
#include <QComboBox>
#include <QStyledItemDelegate>

#include "core/model/ParameterCatalogue.h"

class QLabel;

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

// Item k is catalogue entry k, filtered or not: a search hides items, it never
// removes them, so the chosen item still names its entry.
class ParameterChoiceBox : public QComboBox {
    Q_OBJECT
  public:
    explicit ParameterChoiceBox(QWidget* parent = nullptr);

    // Fills the choice with one item per catalogue position; headings cannot be chosen.
    void Fill(const ParameterCatalogue& catalogue);
    // What the user has typed since the list opened.
    const QString& Search() const { return search_; }

    void hidePopup() override;

  protected:
    // Typing on the closed choice opens it, narrowed to what was typed.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Whether the key is one of the typed text (the list's own keys stay its own).
    bool Searches(const QKeyEvent& event) const;
    void SetSearch(const QString& search);

    const ParameterCatalogue* catalogue_ = nullptr;
    QString search_;
    QLabel* searchLine_ = nullptr;
};

} // namespace roamplot
