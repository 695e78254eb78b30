// A handheld seen from the front, for the key map tab.
#include <QLinearGradient>
#include <QPainter>

#include "render/BoxFonts.h"
#include "render/artwork/PreviewPictures.h"

namespace roamplot {

QImage PaintDevicePicture() {
    QImage image(172, 268, QImage::Format_RGB32);
    image.fill(QColor(177, 224, 224));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient body(0, 0, 172, 0);
    body.setColorAt(0, QColor(70, 74, 82));
    body.setColorAt(0.5, QColor(112, 118, 128));
    body.setColorAt(1, QColor(64, 68, 76));
    p.setPen(QPen(QColor(30, 32, 36), 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 3, 164, 262), 18, 18);

    // The screen showing a bit of map.
    const QRectF screen(22, 26, 128, 150);
    p.setPen(QPen(QColor(20, 20, 24), 3));
    p.setBrush(QColor(236, 232, 214));
    p.drawRect(screen);
    p.setPen(QPen(QColor(120, 170, 230), 6));
    p.drawLine(QPointF(28, 150), QPointF(140, 60));
    p.setPen(QPen(QColor(240, 200, 70), 3));
    p.drawLine(QPointF(30, 70), QPointF(144, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(
        QPolygonF({QPointF(86, 98), QPointF(93, 114), QPointF(86, 110), QPointF(79, 114)}));

    // Speaker slot and brand line above the screen.
    p.setPen(QPen(QColor(40, 42, 48), 2));
    p.drawLine(QPointF(70, 14), QPointF(102, 14));

    // Four program buttons and the cursor pad.
    p.setPen(QPen(QColor(30, 32, 36), 1));
    p.setBrush(QColor(150, 156, 168));
    for (double x : {20.0, 50.0, 110.0, 140.0}) p.drawEllipse(QPointF(x + 6, 222), 9, 9);
    p.setBrush(QColor(92, 96, 106));
    p.drawEllipse(QPointF(86, 220), 24, 24);
    p.setBrush(QColor(170, 176, 188));
    p.drawEllipse(QPointF(86, 220), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 204, 214));
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(86, 220);
        p.rotate(90 * i);
        p.drawPolygon(QPolygonF({QPointF(0, -21), QPointF(5, -15), QPointF(-5, -15)}));
        p.restore();
    }
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

} // namespace roamplot
