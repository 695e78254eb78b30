#include "ui/preview/GrabHandle.h"

#include <QMouseEvent>
#include <QPainter>

namespace roamplot {

GrabHandle::GrabHandle(int position, QObject* owner) : QWidget(nullptr) {
    setObjectName(QString("GrabHandle%1").arg(position));
    setFixedSize(Size, Size);
    // The sizer owns its handles; the control's parent only shows them.
    connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    hide();
    SetPosition(position);
}

void GrabHandle::SetPosition(int position) {
    position_ = position;
    static const Qt::CursorShape shapes[] = {
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor,
        Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    setCursor(position >= 0 && position < 8 ? shapes[position] : Qt::ArrowCursor);
    Place();
}

void GrabHandle::SetControl(QWidget* control) {
    control_ = control;
    if (control) {
        setParent(control->parentWidget());
        raise();
        Place();
    } else {
        hide();
        setParent(nullptr);
    }
}

void GrabHandle::SetVisibleWish(bool wish) {
    visibleWish_ = wish;
    Place();
}

QPoint GrabHandle::Anchor(int position, const QRect& b) {
    int l = b.x(), t = b.y(), w = b.width(), h = b.height();
    switch (position) {
    case 1:
        return {l + w / 2, t};
    case 2:
        return {l + w, t};
    case 3:
        return {l + w, t + h / 2};
    case 4:
        return {l + w, t + h};
    case 5:
        return {l + w / 2, t + h};
    case 6:
        return {l, t + h};
    case 7:
        return {l, t + h / 2};
    default:
        return {l, t};
    }
}

void GrabHandle::Place() {
    if (!control_) {
        hide();
        return;
    }
    QPoint anchor = Anchor(position_, control_->geometry());
    move(anchor.x() - Size / 2, anchor.y() - Size / 2);
    // The handle being dragged stays a widget, unpainted, so that it keeps the mouse.
    if (visibleWish_ || dragging_) {
        show();
        raise();
    } else {
        hide();
    }
}

void GrabHandle::paintEvent(QPaintEvent*) {
    if (visibleWish_) QPainter(this).fillRect(rect(), Qt::black);
}

void GrabHandle::mousePressEvent(QMouseEvent* event) {
    if (dragging_ || event->button() != Qt::LeftButton) return;
    dragging_ = true;
    grabMouse();
    emit Pressed(this, event->globalPosition().toPoint());
}

void GrabHandle::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) emit Moved(this, event->globalPosition().toPoint());
}

void GrabHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) return;
    if (!(event->buttons() & Qt::LeftButton)) {
        releaseMouse();
        dragging_ = false;
    }
    emit Released(this, event->globalPosition().toPoint());
}

} // namespace roamplot
