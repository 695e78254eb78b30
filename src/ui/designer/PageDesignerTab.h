#pragma once
// The "Page Designer" tab: box and page commands, the property panel and files.
#include <QWidget>

class QGroupBox;
class QPushButton;

namespace roamplot {

class PageDesignerTab : public QWidget {
    Q_OBJECT
  public:
    explicit PageDesignerTab(QWidget* parent = nullptr);

    // The "File" group: file commands add their buttons to its layout.
    QGroupBox* FileGroup() const { return fileGroup_; }
    QPushButton* bHelp;

  private:
    QGroupBox* fileGroup_;
};

} // namespace roamplot
