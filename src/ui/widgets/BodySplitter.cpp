#include "ui/widgets/BodySplitter.h"

namespace roamplot {

BodySplitter::BodySplitter(std::function<void()> share, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), share_(std::move(share)) {
    setChildrenCollapsible(false);
}

void BodySplitter::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    share_();
}

} // namespace roamplot
