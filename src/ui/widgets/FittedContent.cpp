#include "ui/widgets/FittedContent.h"

#include <QLayout>
#include <QStyle>

#include "ui/widgets/ScreenPlacement.h"

namespace roamplot {

FittedContent::FittedContent(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

void FittedContent::FitWindowInto(const WindowRect& area) {
    following_ = false;
    const QSize natural = widget()->sizeHint();
    setFixedSize(natural);
    QWidget* top = window();
    if (top->layout()) top->layout()->activate();
    const WindowRect frame = FrameOf(*top, top->pos());
    // The room the content may take: its own size and what the area has to spare.
    const ScreenSize shown = ScrolledViewSize(
        {natural.width(), natural.height()},
        {natural.width() + area.Width - frame.Width, natural.height() + area.Height - frame.Height},
        style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setFixedSize(shown.Width, shown.Height);
    if (top->layout()) top->layout()->activate();
}

void FittedContent::FollowWindow(QSize least) {
    following_ = true;
    setMinimumSize(least);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    updateGeometry();
}

QSize FittedContent::sizeHint() const {
    if (!following_) return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return widget()->sizeHint() + QSize(frame, frame);
}

} // namespace roamplot
