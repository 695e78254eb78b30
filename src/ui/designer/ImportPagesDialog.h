#pragma once
// "Import Pages": the pages of another layout that hold boxes, each with its
// thumbnail and name, to tick the ones to bring in.
#include <QDialog>
#include <vector>

#include "core/model/ScreenLayout.h"

class QListWidget;
class QPushButton;

namespace roamplot {

struct RenderContext;

class ImportPagesDialog : public QDialog {
    Q_OBJECT
  public:
    // Every page is ticked at first.
    ImportPagesDialog(const ScreenLayout& other, const RenderContext& render, QWidget* parent);

    // The numbers of the ticked pages, in page order.
    std::vector<int> ChosenPages() const;

    QListWidget* lPages;
    QPushButton* bImport;
    QPushButton* bCancel;
};

} // namespace roamplot
