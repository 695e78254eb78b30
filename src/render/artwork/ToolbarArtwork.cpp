// The handheld program's toolbar along the bottom of the screen.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "render/BoxFonts.h"
#include "render/artwork/PreviewPictures.h"

namespace roamplot {

namespace {

void Button(QPainter& p, const QRect& face) {
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0, QColor(250, 250, 252));
    shade.setColorAt(1, QColor(196, 204, 218));
    p.setPen(QColor(110, 120, 140));
    p.setBrush(shade);
    p.drawRoundedRect(face, 4, 4);
}

void Label(QPainter& p, const QRect& face, const char* text) {
    p.setPen(QColor(30, 40, 60));
    p.drawText(face, Qt::AlignCenter, QString::fromLatin1(text));
}

} // namespace

QImage PaintToolbarStrip() {
    QImage image(640, 39, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient bar(0, 0, 0, 39);
    bar.setColorAt(0, QColor(92, 106, 132));
    bar.setColorAt(1, QColor(44, 52, 70));
    p.fillRect(image.rect(), bar);
    p.setPen(QColor(150, 162, 186));
    p.drawLine(0, 0, 639, 0);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(BoxFont(8, true));

    QRect face(4, 5, 44, 29);
    Button(p, face);
    Label(p, face, "Menu");

    face.translate(50, 0); // zoom in: a magnifier with a plus
    Button(p, face);
    p.setPen(QPen(QColor(30, 40, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(face.center()) + QPointF(-3, -2), 7, 7);
    p.drawLine(QPointF(face.center()) + QPointF(2, 3), QPointF(face.center()) + QPointF(8, 9));
    p.drawLine(QPointF(face.center()) + QPointF(-7, -2), QPointF(face.center()) + QPointF(1, -2));
    p.drawLine(QPointF(face.center()) + QPointF(-3, -6), QPointF(face.center()) + QPointF(-3, 2));

    face.translate(50, 0); // zoom out
    Button(p, face);
    p.drawEllipse(QPointF(face.center()) + QPointF(-3, -2), 7, 7);
    p.drawLine(QPointF(face.center()) + QPointF(2, 3), QPointF(face.center()) + QPointF(8, 9));
    p.drawLine(QPointF(face.center()) + QPointF(-7, -2), QPointF(face.center()) + QPointF(1, -2));

    face.translate(50, 0); // centre on the position: an arrow head
    Button(p, face);
    QPainterPath arrow;
    const QPointF c = face.center();
    arrow.moveTo(c + QPointF(0, -9));
    arrow.lineTo(c + QPointF(7, 8));
    arrow.lineTo(c + QPointF(0, 4));
    arrow.lineTo(c + QPointF(-7, 8));
    arrow.closeSubpath();
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(arrow);

    face.translate(50, 0);
    Button(p, face);
    Label(p, face, "Track");

    face.translate(50, 0);
    Button(p, face);
    Label(p, face, "GoTo");

    // The GPS fix lamp and the clock on the right.
    p.setPen(QColor(20, 60, 20));
    p.setBrush(QColor(60, 200, 70));
    p.drawEllipse(QPointF(560, 19.5), 6, 6);
    p.setPen(QColor(235, 240, 250));
    p.drawText(QRect(572, 5, 64, 29), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("12:41"));
    return image;
}

} // namespace roamplot
