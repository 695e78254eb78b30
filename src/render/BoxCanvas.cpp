#include "render/BoxCanvas.h"

#include <algorithm>

#include "render/Fills.h"

namespace roamplot {

QColor ToQColor(Colour colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

BoxCanvas::BoxCanvas(QImage& target, const QRect& box)
    : target_(target), box_(box), painter_(&target) {
    painter_.setClipRect(box_);
    painter_.translate(box_.topLeft());
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void BoxCanvas::FillRect(int x1, int y1, int x2, int y2, Colour colour) {
    if (x2 <= x1 || y2 <= y1) return;
    painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(colour));
}

void BoxCanvas::FillPath(const QPainterPath& shape, Colour colour) {
    painter_.fillPath(shape, ToQColor(colour));
}

void BoxCanvas::BlendPath(const QPainterPath& shape, Colour colour) {
    const QRect area = box_.intersected(target_.rect());
    if (area.isEmpty()) return;
    if (target_.depth() != 32) {
        // Only 32-bit pixels can be read back; elsewhere the toolkit's own blend stands in.
        painter_.fillPath(shape,
                          QColor(RedOf(colour), GreenOf(colour), BlueOf(colour), TranslucentAlpha));
        return;
    }
    // Which pixels the shape covers: a rectangle covers its own pixels, other
    // shapes are measured on a picture of the box's size.
    const QRectF bounds = shape.boundingRect();
    QPainterPath asRectangle;
    asRectangle.addRect(bounds);
    const bool rectangular = asRectangle == shape;
    const QRect pixels = area & bounds.toAlignedRect().translated(box_.topLeft());
    if (pixels.isEmpty()) return;
    QImage cover;
    if (!rectangular) {
        cover = QImage(box_.size(), QImage::Format_ARGB32_Premultiplied);
        cover.fill(Qt::transparent);
        QPainter p(&cover);
        p.fillPath(shape, Qt::white);
    }
    const int sr = TranslucentSourceChannel(RedOf(colour));
    const int sg = TranslucentSourceChannel(GreenOf(colour));
    const int sb = TranslucentSourceChannel(BlueOf(colour));
    QImage result(box_.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* below = reinterpret_cast<const QRgb*>(target_.constScanLine(y));
        const int by = y - box_.top();
        const auto* covered =
            rectangular ? nullptr : reinterpret_cast<const QRgb*>(cover.constScanLine(by));
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(by));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const int bx = x - box_.left();
            if (covered && qAlpha(covered[bx]) == 0) continue;
            const QRgb d = below[x];
            out[bx] = qRgb(TranslucentBlend(sr, qRed(d)), TranslucentBlend(sg, qGreen(d)),
                           TranslucentBlend(sb, qBlue(d)));
        }
    }
    painter_.drawImage(0, 0, result);
}

void BoxCanvas::OutlineRoundRect(int x1, int y1, int x2, int y2, int radius, int penWidth,
                                 Colour colour) {
    if (penWidth <= 0 || x2 <= x1 || y2 <= y1) return;
    if (radius <= 0) {
        // The pen runs along columns x1 and x2 - 1 and rows y1 and y2 - 1; an even
        // width leans outward.
        const int outer = penWidth / 2;
        const int inner = (penWidth - 1) / 2;
        const QColor c = ToQColor(colour);
        const int left = x1 - outer, right = x2 - 1 + outer + 1;
        const int top = y1 - outer, bottom = y2 - 1 + outer + 1;
        painter_.fillRect(QRect(left, top, right - left, penWidth), c);
        painter_.fillRect(QRect(left, y2 - 1 - inner, right - left, penWidth), c);
        painter_.fillRect(QRect(left, top, penWidth, bottom - top), c);
        painter_.fillRect(QRect(x2 - 1 - inner, top, penWidth, bottom - top), c);
        return;
    }
    QPen pen(ToQColor(colour), penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRoundedRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1), radius / 2.0,
                             radius / 2.0);
}

void BoxCanvas::DashedRoundRect(int x1, int y1, int x2, int y2, int radius, Colour colour) {
    if (x2 <= x1 || y2 <= y1) return;
    QPen pen(ToQColor(colour), 1, Qt::DashLine);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    const QRectF edge(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
    if (radius <= 0)
        painter_.drawRect(edge);
    else
        painter_.drawRoundedRect(edge, radius / 2.0, radius / 2.0);
}

void BoxCanvas::DrawText(int x, int y, const QString& text) {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

QPainterPath RectShape(int x1, int y1, int x2, int y2) {
    QPainterPath path;
    path.addRect(QRectF(x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)));
    return path;
}

QPainterPath RoundRectShape(int x1, int y1, int x2, int y2, int radius) {
    const QRectF area(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1));
    QPainterPath path;
    if (radius <= 0)
        path.addRect(area);
    else
        path.addRoundedRect(area, radius / 2.0, radius / 2.0);
    return path;
}

QPainterPath EllipseShape(int x1, int y1, int x2, int y2) {
    QPainterPath path;
    path.addEllipse(QRectF(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)));
    return path;
}

} // namespace roamplot
