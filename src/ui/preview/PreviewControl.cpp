#include "ui/preview/PreviewControl.h"

#include <QMouseEvent>

#include "ui/preview/PreviewWindow.h"

namespace roamplot {

PreviewControl::PreviewControl(int page, int slot, PreviewWindow& window, QWidget* drawArea)
    : QWidget(drawArea), tag_(page * 100 + slot), window_(window) {
    setObjectName(QString("aw%1").arg(tag_));
    resize(35, 35);
    // The status bar follows the pointer over the boxes too.
    setMouseTracking(true);
    hide();
}

void PreviewControl::mousePressEvent(QMouseEvent* event) {
    window_.ControlPressed(*this, *event);
}
void PreviewControl::mouseMoveEvent(QMouseEvent* event) {
    window_.ControlMoved(*this, *event);
}
void PreviewControl::mouseReleaseEvent(QMouseEvent* event) {
    window_.ControlReleased(*this, *event);
}

} // namespace roamplot
