#include "ui/preview/ControlSizer.h"

#include <QRubberBand>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

#include "ui/preview/GrabHandle.h"

namespace roamplot {

ControlSizer::ControlSizer(QObject* owner) : QObject(owner) {
    for (int position = 0; position < 8; ++position) {
        auto* handle = new GrabHandle(position, this);
        connect(handle, &GrabHandle::Pressed, this, &ControlSizer::StartSizing);
        connect(handle, &GrabHandle::Moved, this, &ControlSizer::SizeTo);
        connect(handle, &GrabHandle::Released, this, &ControlSizer::EndSizing);
        handle->SetVisibleWish(allowResize_);
        handles_[static_cast<std::size_t>(position)] = handle;
    }
}

ControlSizer::~ControlSizer() {
    disconnect(destroyedConnection_);
    CloseBand();
    for (auto& handle : handles_) delete handle.data();
}

void ControlSizer::SetAllowResize(bool allow) {
    allowResize_ = allow;
    SetHandlesVisibleWish(allow);
}

void ControlSizer::SetHandlesVisibleWish(bool wish) {
    for (auto& handle : handles_)
        if (handle) handle->SetVisibleWish(wish);
}

void ControlSizer::SetControl(QWidget* control) {
    if (control == control_) return;
    disconnect(destroyedConnection_);
    CloseBand();
    moving_ = false;
    pressPoint_ = {-1, -1};
    for (auto& handle : handles_)
        if (handle) handle->hide();
    control_ = control;
    for (auto& handle : handles_)
        if (handle) handle->SetControl(control);
    if (control)
        destroyedConnection_ = connect(control, &QObject::destroyed, this, [this] { Detach(); });
    SetHandlesVisibleWish(allowResize_);
}

void ControlSizer::Detach() {
    control_ = nullptr;
    CloseBand();
    moving_ = false;
    pressPoint_ = {-1, -1};
    for (auto& handle : handles_)
        if (handle) handle->SetControl(nullptr);
}

void ControlSizer::UpdateHandles() {
    for (auto& handle : handles_)
        if (handle) handle->Place();
}

void ControlSizer::OpenBand() {
    if (band_ || !control_ || !control_->parentWidget()) return;
    band_ = new QRubberBand(QRubberBand::Rectangle, control_->parentWidget());
}

void ControlSizer::ShowBand(const QRect& bounds, bool sizing) {
    if (!band_) return;
    QRect rect = bandShaper_ ? bandShaper_(bounds, sizing) : bounds;
    // A move band reaches to (L + W - 1, T + H - 1) exclusive: one pixel inside the control.
    if (!sizing) rect.adjust(0, 0, -1, -1);
    band_->setGeometry(rect.normalized());
    band_->show();
    band_->raise();
}

void ControlSizer::CloseBand() {
    // The overlay goes away whole: the drag leaves no trace.
    delete band_.data();
    band_ = nullptr;
}

QRect ControlSizer::MoveCandidate(QPoint point) const {
    QRect bounds = control_->geometry();
    int left = bounds.left() + point.x() - pressPoint_.x();
    int top = bounds.top() + point.y() - pressPoint_.y();
    int width = bounds.width();
    int height = bounds.height();
    if (limitToParent_ && control_->parentWidget()) {
        int parentRight = control_->parentWidget()->width();
        int parentBottom = control_->parentWidget()->height();
        if (left < 0) left = 0;
        if (left + width > parentRight - 1) left = parentRight - width - 1;
        if (top < 0) top = 0;
        if (top + height > parentBottom - 1) top = parentBottom - height - 1;
    }
    return QRect(left, top, width, height);
}

void ControlSizer::BeginMove(QPoint point) {
    if (!control_ || pressPoint_.x() != -1) return;
    pressPoint_ = point;
    CloseBand();
    thresholdPassed_ = false;
    moving_ = true;
    for (auto& handle : handles_)
        if (handle) handle->hide();
    if (control_->parentWidget()) control_->parentWidget()->update();
}

void ControlSizer::MoveTo(QPoint point) {
    if (!moving_ || !control_) return;
    if (!thresholdPassed_) {
        if (std::abs(point.x() - pressPoint_.x()) < minimumMove_ &&
            std::abs(point.y() - pressPoint_.y()) < minimumMove_)
            return;
        thresholdPassed_ = true;
        OpenBand();
        emit OnStartMove();
    }
    ShowBand(MoveCandidate(point), false);
}

void ControlSizer::EndMove(QPoint point) {
    if (moving_ && thresholdPassed_ && control_) {
        QRect candidate = MoveCandidate(point);
        CloseBand();
        control_->move(candidate.topLeft());
        UpdateHandles();
        emit OnEndMove();
    }
    SetHandlesVisibleWish(allowResize_);
    moving_ = false;
    thresholdPassed_ = false;
    pressPoint_ = {-1, -1};
}

QRect ControlSizer::SizeCandidate(GrabHandle* handle, QPoint globalPoint) const {
    QWidget* parent = control_->parentWidget();
    QPoint p = parent ? parent->mapFromGlobal(globalPoint) : globalPoint;
    if (limitToParent_ && parent) {
        QRect area = parent->rect();
        p.setX(std::clamp(p.x(), area.left(), area.right()));
        p.setY(std::clamp(p.y(), area.top(), area.bottom()));
    }
    QRect b = control_->geometry();
    int left = b.x(), top = b.y(), right = b.x() + b.width(), bottom = b.y() + b.height();
    switch (handle->Position()) {
    case 0:
        left = p.x();
        top = p.y();
        break;
    case 1:
        top = p.y();
        break;
    case 2:
        right = p.x();
        top = p.y();
        break;
    case 3:
        right = p.x();
        break;
    case 4:
        right = p.x();
        bottom = p.y();
        break;
    case 5:
        bottom = p.y();
        break;
    case 6:
        left = p.x();
        bottom = p.y();
        break;
    case 7:
        left = p.x();
        break;
    default:
        break;
    }
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return QRect(left, top, right - left, bottom - top);
}

void ControlSizer::StartSizing(GrabHandle* handle, QPoint globalPoint) {
    if (!control_) return;
    emit OnStartSize();
    SetHandlesVisibleWish(false);
    if (control_->parentWidget()) control_->parentWidget()->update();
    OpenBand();
    ShowBand(SizeCandidate(handle, globalPoint), true);
}

void ControlSizer::SizeTo(GrabHandle* handle, QPoint globalPoint) {
    if (control_) ShowBand(SizeCandidate(handle, globalPoint), true);
}

void ControlSizer::EndSizing(GrabHandle* handle, QPoint globalPoint) {
    if (!control_) return;
    QRect candidate = SizeCandidate(handle, globalPoint);
    CloseBand();
    control_->setGeometry(candidate);
    UpdateHandles();
    SetHandlesVisibleWish(true);
    emit OnEndSize();
}

} // namespace roamplot
