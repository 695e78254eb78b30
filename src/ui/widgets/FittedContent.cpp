#include "ui/widgets/FittedContent.h"

#include <QLayout>
#include <QStyle>
#include <algorithm>

#include "ui/widgets/ScreenPlacement.h"

namespace roamplot {

FittedContent::FittedContent(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(content);
}

void FittedContent::FitWindowInto(const WindowRect& area) {
    const QSize natural = widget()->sizeHint();
    setFixedSize(natural);
    QWidget* top = window();
    if (top->layout()) top->layout()->activate();
    const WindowRect frame = FrameOf(*top, top->pos());
    // The room the content may take: its own size and what the area has to spare.
    const int roomWidth = natural.width() + area.Width - frame.Width;
    const int roomHeight = natural.height() + area.Height - frame.Height;
    const bool widthCut = roomWidth < natural.width();
    const bool heightCut = roomHeight < natural.height();
    if (!widthCut && !heightCut) return;
    // A cut side brings a scroll bar along the other, which wants room of its own.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int width = natural.width() + (heightCut ? bar : 0);
    const int height = natural.height() + (widthCut ? bar : 0);
    setFixedSize(std::min(width, roomWidth), std::min(height, roomHeight));
    if (top->layout()) top->layout()->activate();
}

} // namespace roamplot
