#include "ui/device/CopyingWindow.h"

#include <QLabel>
#include <QVBoxLayout>

namespace roamplot {

CopyingWindow::CopyingWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setWindowTitle(tr("Copying Files"));
    lCopying_ = new QLabel(this);
    lCopying_->setMinimumWidth(280);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 16);
    column->addWidget(lCopying_);
}

void CopyingWindow::ShowCopying(const QString& fileName) {
    lCopying_->setText(tr("Copying file : ") + fileName);
    adjustSize();
    if (QWidget* owner = parentWidget()) move(owner->frameGeometry().center() - rect().center());
    show();
    raise();
}

QString CopyingWindow::Text() const {
    return lCopying_->text();
}

} // namespace roamplot
