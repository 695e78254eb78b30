#pragma once
// The "Page Designer" tab: box commands, the parameter choice, the box's
// properties (PropertyPanel) and the file commands. Widgets only; PageDesigner holds the logic.
#include <QWidget>

#include "ui/designer/ParameterChoice.h"
#include "ui/designer/PropertyPanel.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace roamplot {

class AdjustPanel;

class PageDesignerTab : public QWidget, public PropertyPanel {
    Q_OBJECT
  public:
    explicit PageDesignerTab(QWidget* parent = nullptr);

    // The "File" group: file commands add their buttons to its layout.
    QGroupBox* FileGroup() const { return fileGroup_; }
    // Tab goes top to bottom, left to right, group by group; called once the
    // File group has all its buttons.
    void SetReadingTabOrder();

    QPushButton* bNew;
    QPushButton* Delete1;
    QPushButton* bCopy;
    QPushButton* bPaste;
    QListWidget* cParameterList;
    QPushButton* bUP;
    QPushButton* bDown;
    ParameterChoiceBox* cParameter;
    QPushButton* bHelp;

    QLabel* lCurrentPage; // the number of the current page, large and blue
    QLineEdit* cPageName;
    QPushButton* bPrevious;
    QPushButton* bNext;
    QPushButton* bClearPage;
    QPushButton* bDeletePage;
    QPushButton* bPageUp;
    QPushButton* bPageDown;
    QPushButton* bNewFile;
    // The "PDA" group: the parameter file to and from the handheld.
    QPushButton* bSend;
    QPushButton* bGet;

    AdjustPanel* Adjust;

  private:
    QGroupBox* fileGroup_;
};

} // namespace roamplot
