#pragma once
// The drawing surface of one box: a painter on the page image, moved to the
// box's top-left corner and clipped by the box. Coordinates follow the
// desktop drawing conventions: a rectangle (x1, y1)-(x2, y2) covers
// x1 <= x < x2 and y1 <= y < y2.
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include "core/model/Colour.h"

namespace roamplot {

QColor ToQColor(Colour colour);

class BoxCanvas {
  public:
    // Translucent fills are exact on RGB32 and ARGB32_Premultiplied targets.
    BoxCanvas(QImage& target, const QRect& box);
    BoxCanvas(const BoxCanvas&) = delete;
    BoxCanvas& operator=(const BoxCanvas&) = delete;

    QPainter& Painter() { return painter_; }
    int Width() const { return box_.width(); }
    int Height() const { return box_.height(); }

    void FillRect(int x1, int y1, int x2, int y2, Colour colour);
    void FillPath(const QPainterPath& shape, Colour colour);
    // Every pixel the shape covers becomes the translucent colour over what lies below it.
    void BlendPath(const QPainterPath& shape, Colour colour);
    // An unfilled rounded rectangle drawn with a pen of the given width centred on its edges.
    void OutlineRoundRect(int x1, int y1, int x2, int y2, int radius, int penWidth, Colour colour);
    // The same with a dashed 1-pixel pen.
    void DashedRoundRect(int x1, int y1, int x2, int y2, int radius, Colour colour);
    // Text with its top-left corner at (x, y), in the painter's font and pen, background untouched.
    void DrawText(int x, int y, const QString& text);

  private:
    QImage& target_;
    QRect box_;
    QPainter painter_;
};

// Shapes drawn without outline fill one pixel less to the right and bottom than their rectangle.
QPainterPath RectShape(int x1, int y1, int x2, int y2);
QPainterPath RoundRectShape(int x1, int y1, int x2, int y2, int radius);
QPainterPath EllipseShape(int x1, int y1, int x2, int y2);

} // namespace roamplot
