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

namespace roamplot {

namespace {
QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}
} // namespace

PageDesignerTab::PageDesignerTab(QWidget* parent) : QWidget(parent) {
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
    lTitleText = new QLabel(tr("Title Text"), this);
    cTitleText = new QLineEdit(this);
    cTitleText->setObjectName("cTitleText");
    cTitleText->setMaxLength(25);
    properties->addWidget(lTitleText, 1, 0);
    properties->addWidget(cTitleText, 1, 1);
    lParTestText = new QLabel(tr("Test Text"), this);
    cParTestText = new QLineEdit(this);
    cParTestText->setObjectName("cParTestText");
    cParTestText->setMaxLength(16);
    properties->addWidget(lParTestText, 2, 0);
    properties->addWidget(cParTestText, 2, 1);
    lUnits = new QLabel(tr("Units"), this);
    cUnits = new QComboBox(this);
    cUnits->setObjectName("cUnits");
    properties->addWidget(lUnits, 3, 0);
    properties->addWidget(cUnits, 3, 1);
    properties->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(boxGroup, 0, Qt::AlignTop);
    top->addLayout(listColumn);
    top->addLayout(properties);

    fileGroup_ = new QGroupBox(tr("File"), this);
    fileGroup_->setObjectName("gFile");
    new QHBoxLayout(fileGroup_);
    bHelp = Button(tr("Help"), "bHelp", this);
    bHelp->setShortcut(QKeySequence::HelpContents);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fileGroup_);
    bottom->addStretch();
    bottom->addWidget(bHelp, 0, Qt::AlignBottom);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(bottom);
}

} // namespace roamplot
