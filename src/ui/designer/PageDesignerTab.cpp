#include "ui/designer/PageDesignerTab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace roamplot {

PageDesignerTab::PageDesignerTab(QWidget* parent) : QWidget(parent) {
    fileGroup_ = new QGroupBox(tr("File"), this);
    fileGroup_->setObjectName("gFile");
    new QHBoxLayout(fileGroup_);
    bHelp = new QPushButton(tr("Help"), this);
    bHelp->setObjectName("bHelp");
    bHelp->setShortcut(QKeySequence::HelpContents);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fileGroup_);
    bottom->addStretch();
    bottom->addWidget(bHelp, 0, Qt::AlignBottom);
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    column->addLayout(bottom);
}

} // namespace roamplot
