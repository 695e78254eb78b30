#include "ui/app/TimedMessage.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace roamplot {

namespace {
constexpr int Margin = 10;

// The three message icons, drawn rather than loaded.
void DrawIcon(QPainter& painter, TimedMessageKind kind, QRect box) {
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(box.height() * 2 / 3);
    painter.setFont(font);
    switch (kind) {
    case TimedMessageKind::Error:
        painter.setBrush(QColor(200, 30, 30));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(box);
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(box.adjusted(9, 9, -9, -9).topLeft(),
                         box.adjusted(9, 9, -9, -9).bottomRight());
        painter.drawLine(box.adjusted(9, 9, -9, -9).topRight(),
                         box.adjusted(9, 9, -9, -9).bottomLeft());
        break;
    case TimedMessageKind::Information:
        painter.setBrush(QColor(30, 90, 200));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(box);
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, "i");
        break;
    case TimedMessageKind::Warning: {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top());
        triangle.lineTo(box.right(), box.bottom());
        triangle.lineTo(box.left(), box.bottom());
        triangle.closeSubpath();
        painter.fillPath(triangle, QColor(240, 190, 20));
        painter.setPen(Qt::black);
        painter.drawText(box.adjusted(0, 6, 0, 0), Qt::AlignCenter, "!");
        break;
    }
    }
}
} // namespace

QString TimedMessageCaption(TimedMessageKind kind) {
    switch (kind) {
    case TimedMessageKind::Error:
        return QObject::tr("Error");
    case TimedMessageKind::Information:
        return QObject::tr("Information");
    case TimedMessageKind::Warning:
        return QObject::tr("Warning");
    }
    return {};
}

TimedMessage::TimedMessage(TimedMessageKind kind, int durationMs, const QString& text,
                           QWidget* parent)
    : QDialog(parent, Qt::Tool), kind_(kind), text_(text) {
    setWindowTitle(TimedMessageCaption(kind));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(253, 242, 223));
    setPalette(colours);
    setAutoFillBackground(true);
    int width = TextLeft() + QFontMetrics(font()).horizontalAdvance(text_) + 15;
    setFixedSize(width, IconSize + 2 * Margin);
    timer_.setSingleShot(true);
    timer_.setInterval(durationMs == 0 ? DefaultDurationMs : durationMs);
    connect(&timer_, &QTimer::timeout, this, &QDialog::accept);
}

int TimedMessage::TextLeft() const {
    return Margin + IconSize + 6;
}

void TimedMessage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
    timer_.start();
}

void TimedMessage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawIcon(painter, kind_, QRect(Margin, Margin, IconSize, IconSize));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(TextLeft(), 0, width() - TextLeft(), height()), Qt::AlignVCenter, text_);
}

} // namespace roamplot
