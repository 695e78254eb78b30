#include "ui/preview/PreviewScrollArea.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace roamplot {

namespace {
constexpr int DegreesPerNotch = 120; // angle deltas come in eighths of a degree

void ScrollBy(QScrollBar* bar, int angle) {
    bar->setValue(bar->value() -
                  angle * bar->singleStep() * QApplication::wheelScrollLines() / DegreesPerNotch);
}
} // namespace

PreviewScrollArea::PreviewScrollArea(QWidget* parent) : QScrollArea(parent) {
    setObjectName("PreviewScrollArea");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
}

void PreviewScrollArea::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) return event->ignore();
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier) {
        // Some systems already turn Shift+wheel into a sideways wheel.
        ScrollBy(horizontalScrollBar(), angle.y() != 0 ? angle.y() : angle.x());
    } else {
        ScrollBy(verticalScrollBar(), angle.y());
        ScrollBy(horizontalScrollBar(), angle.x());
    }
    event->accept();
}

} // namespace roamplot
