// The sky-view background: horizon, 30 and 60 degree rings and a cross, on the transparent key.
#include <QPainter>

#include "render/artwork/PreviewPictures.h"

namespace roamplot {

QImage PaintSkyViewBackground() {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    // Hard edges: a blended edge would leave pink pixels that are not the key.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF centre(49.5, 49.5);
    p.setPen(QPen(QColor(90, 110, 140), 1));
    p.setBrush(QColor(232, 240, 250));
    p.drawEllipse(centre, 48, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 170, 200), 1));
    for (double elevation : {30.0, 60.0}) {
        const double r = (90 - elevation) / 1.9;
        p.drawEllipse(centre, r, r);
    }
    p.drawLine(QPointF(49.5, 2), QPointF(49.5, 97));
    p.drawLine(QPointF(2, 49.5), QPointF(97, 49.5));
    return image;
}

} // namespace roamplot
