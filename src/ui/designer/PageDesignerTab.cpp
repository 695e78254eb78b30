#include "ui/designer/PageDesignerTab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/designer/AdjustPanel.h"
#include "ui/widgets/TypingLimit.h"

namespace roamplot {

namespace {
QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}
} // namespace

PageDesignerTab::PageDesignerTab(QWidget* parent) : QWidget(parent), PropertyPanel(this) {
    auto* boxGroup = new QGroupBox(" Parameter Box  ", this);
    boxGroup->setObjectName("gParameterBox");
    auto* boxButtons = new QGridLayout(boxGroup);
    bNew = Button(tr("New Box"), "bNew", boxGroup);
    bNew->setToolTip(tr("Add a box to the current page (Insert)"));
    Delete1 = Button(tr("Delete Box"), "Delete1", boxGroup);
    Delete1->setToolTip(tr("Delete the selected box (Ctrl+Delete)"));
    bCopy = Button(tr("Copy"), "bCopy", boxGroup);
    bCopy->setToolTip(tr("Copy the selected boxes (Ctrl+C)"));
    bPaste = Button(tr("Paste"), "bPaste", boxGroup);
    bPaste->setToolTip(tr("Paste the copied boxes onto this page (Ctrl+V)"));
    boxButtons->addWidget(bNew, 0, 0);
    boxButtons->addWidget(Delete1, 0, 1);
    boxButtons->addWidget(bCopy, 1, 0);
    boxButtons->addWidget(bPaste, 1, 1);

    cParameterList = new QListWidget(this);
    cParameterList->setObjectName("cParameterList");
    cParameterList->setMinimumWidth(200);
    // It takes the height its column has left, not a height of its own.
    cParameterList->setMinimumHeight(90);
    cParameterList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    bUP = Button(QString::fromUtf8("\u25B2"), "bUP", this);
    bDown = Button(QString::fromUtf8("\u25BC"), "bDown", this);
    for (QPushButton* b : {bUP, bDown}) b->setFixedSize(24, 22);
    auto* moveRow = new QHBoxLayout;
    moveRow->addWidget(new QLabel(tr("Move Selected Item"), this));
    moveRow->addWidget(bUP);
    moveRow->addWidget(bDown);
    moveRow->addStretch();

    auto* properties = new QGridLayout;
    cParameter = new ParameterChoiceBox(this);
    cParameter->setObjectName("cParameter");
    cParameter->setMinimumWidth(220);
    // A width of its own, not that of the longest name, so the window's size
    // does not change with what the choice holds.
    cParameter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cParameter->setMinimumContentsLength(22);
    properties->addWidget(new QLabel(tr("Parameter"), this), 0, 0);
    properties->addWidget(cParameter, 0, 1);
    properties->addLayout(Grid(), 1, 0, 1, 2);
    properties->setColumnStretch(1, 1);

    auto* pageGroup = new QGroupBox(" Page Options ", this);
    pageGroup->setObjectName("gPageOptions");
    lCurrentPage = new QLabel("1", pageGroup);
    lCurrentPage->setObjectName("lCurrentPage");
    QFont big = lCurrentPage->font();
    big.setPointSize(18);
    big.setBold(true);
    lCurrentPage->setFont(big);
    lCurrentPage->setStyleSheet("color: blue");
    cPageName = new QLineEdit(pageGroup);
    cPageName->setObjectName("cPageName");
    LimitFileText(*cPageName, 50);
    // It takes what the row has to spare, so the row is no wider than its buttons need.
    cPageName->setMinimumWidth(120);
    cPageName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    bPageUp = Button(QString::fromUtf8("\u25B2"), "bPageUp", pageGroup);
    bPageUp->setToolTip(tr("Move current page up to a higher page"));
    bPageDown = Button(QString::fromUtf8("\u25BC"), "bPageDown", pageGroup);
    bPageDown->setToolTip(tr("Move current page down to a lower page"));
    for (QPushButton* b : {bPageUp, bPageDown}) b->setFixedSize(24, 22);
    bPrevious = Button(tr("Previous"), "bPrevious", pageGroup);
    bPrevious->setToolTip(tr("Show the previous page"));
    bNext = Button(tr("Next"), "bNext", pageGroup);
    bNext->setToolTip(tr("Show the next page"));
    bClearPage = Button(tr("Clear"), "bClearPage", pageGroup);
    bDeletePage = Button(tr("Delete"), "bDeletePage", pageGroup);
    // One row: what the page is, then what can be done with it.
    auto* pageRow = new QHBoxLayout(pageGroup);
    pageRow->addWidget(new QLabel(tr("Current Page"), pageGroup));
    pageRow->addWidget(lCurrentPage);
    pageRow->addSpacing(8);
    pageRow->addWidget(new QLabel(tr("Page Name"), pageGroup));
    pageRow->addWidget(cPageName, 1);
    pageRow->addSpacing(8);
    pageRow->addWidget(new QLabel(tr("Move Page"), pageGroup));
    pageRow->addWidget(bPageUp);
    pageRow->addWidget(bPageDown);
    pageRow->addSpacing(8);
    for (QPushButton* b : {bPrevious, bNext, bClearPage, bDeletePage}) pageRow->addWidget(b);

    Adjust = new AdjustPanel(this);
    // The box commands, then the boxes of the page.
    auto* boxColumn = new QVBoxLayout;
    boxColumn->addWidget(boxGroup);
    boxColumn->addWidget(Adjust);
    boxColumn->addWidget(cParameterList, 1);
    boxColumn->addLayout(moveRow);

    fileGroup_ = new QGroupBox(tr("File"), this);
    fileGroup_->setObjectName("gFile");
    auto* fileButtons = new QHBoxLayout(fileGroup_);
    bNewFile = Button(tr("New"), "bNewFile", fileGroup_);
    bNewFile->setToolTip(tr("Create a New parameter File (Ctrl+N)"));
    fileButtons->addWidget(bNewFile);
    auto* deviceGroup = new QGroupBox(tr("PDA"), this);
    deviceGroup->setObjectName("gPDA");
    auto* deviceButtons = new QHBoxLayout(deviceGroup);
    bSend = Button(tr("Send"), "bSend", deviceGroup);
    bSend->setToolTip(tr("Send Parameters File to PDA"));
    bGet = Button(tr("Get"), "bGet", deviceGroup);
    bGet->setToolTip(tr("Get Parameters File from PDA"));
    deviceButtons->addWidget(bSend);
    deviceButtons->addWidget(bGet);
    bHelp = Button(tr("Help"), "bHelp", this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fileGroup_);
    bottom->addWidget(deviceGroup);
    bottom->addStretch();
    bottom->addWidget(bHelp, 0, Qt::AlignBottom);
    // The box commands and the boxes beside the selected box's parameter and properties.
    auto* body = new QHBoxLayout;
    body->addLayout(boxColumn);
    body->addLayout(properties, 1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(pageGroup);
    column->addLayout(body, 1);
    column->addLayout(bottom);
}

void PageDesignerTab::SetReadingTabOrder() {
    std::vector<QWidget*> order = {cPageName,   bPageUp, bPageDown, bPrevious, bNext, bClearPage,
                                   bDeletePage, bNew,    Delete1,   bCopy,     bPaste};
    for (QLineEdit* field : Adjust->BoundsFields()) order.push_back(field);
    order.push_back(Adjust->LbButton3);
    order.insert(order.end(), {cParameterList, bUP, bDown, cParameter});
    const std::vector<QWidget*> properties = ReadingOrder();
    order.insert(order.end(), properties.begin(), properties.end());
    for (int i = 0; i < fileGroup_->layout()->count(); ++i)
        if (QWidget* button = fileGroup_->layout()->itemAt(i)->widget()) order.push_back(button);
    order.insert(order.end(), {bSend, bGet, bHelp});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

} // namespace roamplot
