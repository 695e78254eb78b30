#include "ui/preview/GuideOverlay.h"

#include <QPainter>

namespace roamplot {

GuideOverlay::GuideOverlay(QWidget* drawArea) : QWidget(drawArea) {
    setObjectName("GuideOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void GuideOverlay::ShowGuides(const std::vector<Guide>& guides, int zoom) {
    if (guides == guides_ && zoom == zoom_ && isVisible() == !guides.empty()) return;
    guides_ = guides;
    zoom_ = zoom;
    if (guides_.empty()) return hide();
    setGeometry(parentWidget()->rect());
    show();
    raise();
    update();
}

void GuideOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // A colour no sample drawing uses, dashed, so it never passes for part of the page.
    QPen pen(QColor(255, 0, 160), 1, Qt::DashLine);
    painter.setPen(pen);
    for (const Guide& guide : guides_) {
        // On the pixel column (row) the edge names, kept inside the overlay at the far edges.
        const int at = guide.At * zoom_;
        if (guide.Vertical) {
            const int x = std::min(at, width() - 1);
            painter.drawLine(x, 0, x, height());
        } else {
            const int y = std::min(at, height() - 1);
            painter.drawLine(0, y, width(), y);
        }
    }
}

} // namespace roamplot
