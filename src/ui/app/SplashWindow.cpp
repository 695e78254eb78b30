#include "ui/app/SplashWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace roamplot {

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(360, 220);
}

void SplashWindow::ShowCentred() {
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    show();
    repaint();
    QApplication::processEvents();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(34, 78, 120));
    sky.setColorAt(1, QColor(120, 170, 200));
    painter.fillRect(rect(), sky);

    // A handheld showing a winding track with a position arrow.
    QRect device(24, 34, 96, 150);
    painter.setBrush(QColor(40, 40, 48));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(device, 10, 10);
    QRect screenArea = device.adjusted(8, 10, -8, -34);
    painter.fillRect(screenArea, QColor(236, 230, 200));
    QPainterPath track;
    track.moveTo(screenArea.left() + 6, screenArea.bottom() - 8);
    track.cubicTo(screenArea.left() + 40, screenArea.bottom() - 50, screenArea.right() - 50,
                  screenArea.top() + 60, screenArea.right() - 10, screenArea.top() + 12);
    painter.setPen(QPen(QColor(200, 40, 40), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(track);
    QPointF tip = track.pointAtPercent(0.55);
    QPolygonF arrow{tip + QPointF(0, -8), tip + QPointF(6, 6), tip + QPointF(0, 2),
                    tip + QPointF(-6, 6)};
    painter.setBrush(QColor(20, 60, 200));
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(arrow);
    painter.setBrush(QColor(90, 90, 100));
    painter.drawEllipse(QPoint(device.center().x(), device.bottom() - 16), 9, 9);

    painter.setPen(Qt::white);
    QFont title("Arial");
    title.setPixelSize(20);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(136, 60, width() - 146, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     tr("Screen Designer for RoamplotCE"));
    QFont note("Arial");
    note.setPixelSize(14);
    painter.setFont(note);
    painter.drawText(QRect(136, 140, width() - 146, 24), Qt::AlignLeft,
                     tr("Loading .  .  .  .  ."));
}

} // namespace roamplot
