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
    auto* boxButtons = new QVBoxLayout(boxGroup);
    bNew = Button(tr("New Box"), "bNew", boxGroup);
    bNew->setToolTip(tr("Add a box to the current page (Insert)"));
    Delete1 = Button(tr("Delete Box"), "Delete1", boxGroup);
    Delete1->setToolTip(tr("Delete the selected box (Ctrl+Delete)"));
    bCopy = Button(tr("Copy"), "bCopy", boxGroup);
    bCopy->setToolTip(tr("Copy the selected boxes (Ctrl+C)"));
    bPaste = Button(tr("Paste"), "bPaste", boxGroup);
    bPaste->setToolTip(tr("Paste the copied boxes onto this page (Ctrl+V)"));
    for (QPushButton* b : {bNew, Delete1, bCopy, bPaste}) boxButtons->addWidget(b);

    cParameterList = new QListWidget(this);
    cParameterList->setObjectName("cParameterList");
    cParameterList->setMinimumWidth(220);
    bUP = Button(QString::fromUtf8("\u25B2"), "bUP", this);
    bDown = Button(QString::fromUtf8("\u25BC"), "bDown", this);
    for (QPushButton* b : {bUP, bDown}) b->setFixedSize(24, 22);
    auto* moveRow = new QHBoxLayout;
    moveRow->addWidget(new QLabel(tr("Move Selected Item"), this));
    moveRow->addWidget(bUP);
    moveRow->addWidget(bDown);
    moveRow->addStretch();
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(cParameterList);
    listColumn->addLayout(moveRow);

    auto* properties = new QGridLayout;
    cParameter = new QComboBox(this);
    cParameter->setObjectName("cParameter");
    cParameter->setMinimumWidth(220);
    properties->addWidget(new QLabel(tr("Parameter"), this), 0, 0);
    properties->addWidget(cParameter, 0, 1);
    properties->addLayout(Grid(), 1, 0, 1, 2);
    properties->setColumnStretch(1, 1);

    auto* pageGroup = new QGroupBox(" Page Options ", this);
    pageGroup->setObjectName("gPageOptions");
    auto* pageGrid = new QGridLayout(pageGroup);
    lCurrentPage = new QLabel("1", pageGroup);
    lCurrentPage->setObjectName("lCurrentPage");
    QFont big = lCurrentPage->font();
    big.setPointSize(18);
    big.setBold(true);
    lCurrentPage->setFont(big);
    lCurrentPage->setStyleSheet("color: blue");
    pageGrid->addWidget(new QLabel(tr("Current Page"), pageGroup), 0, 0);
    pageGrid->addWidget(lCurrentPage, 0, 1);
    cPageName = new QLineEdit(pageGroup);
    cPageName->setObjectName("cPageName");
    LimitTyping(*cPageName, 50);
    pageGrid->addWidget(new QLabel(tr("Page Name"), pageGroup), 1, 0);
    pageGrid->addWidget(cPageName, 1, 1, 1, 3);
    bPrevious = Button(tr("Previous"), "bPrevious", pageGroup);
    bPrevious->setToolTip(tr("Show the previous page"));
    bNext = Button(tr("Next"), "bNext", pageGroup);
    bNext->setToolTip(tr("Show the next page"));
    bClearPage = Button(tr("Clear"), "bClearPage", pageGroup);
    bDeletePage = Button(tr("Delete"), "bDeletePage", pageGroup);
    pageGrid->addWidget(bPrevious, 2, 0);
    pageGrid->addWidget(bNext, 2, 1);
    pageGrid->addWidget(bClearPage, 2, 2);
    pageGrid->addWidget(bDeletePage, 2, 3);
    bPageUp = Button(QString::fromUtf8("\u25B2"), "bPageUp", pageGroup);
    bPageUp->setToolTip(tr("Move current page up to a higher page"));
    bPageDown = Button(QString::fromUtf8("\u25BC"), "bPageDown", pageGroup);
    bPageDown->setToolTip(tr("Move current page down to a lower page"));
    for (QPushButton* b : {bPageUp, bPageDown}) b->setFixedSize(24, 22);
    pageGrid->addWidget(new QLabel(tr("Move Page"), pageGroup), 0, 2);
    auto* moveButtons = new QHBoxLayout;
    moveButtons->addWidget(bPageUp);
    moveButtons->addWidget(bPageDown);
    pageGrid->addLayout(moveButtons, 0, 3);

    auto* top = new QHBoxLayout;
    top->addWidget(boxGroup, 0, Qt::AlignTop);
    top->addLayout(listColumn);
    top->addLayout(properties);

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

    auto* column = new QVBoxLayout(this);
    column->addWidget(pageGroup);
    column->addLayout(top);
    Adjust = new AdjustPanel(this);
    column->addWidget(Adjust, 0, Qt::AlignLeft);
    column->addLayout(bottom);
}

} // namespace roamplot
