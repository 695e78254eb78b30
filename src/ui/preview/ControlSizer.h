#pragma once
// Moves and sizes one control with the mouse: eight grab handles around it, a
// rubber band while dragging, and the result applied only on release. It knows
// nothing about what the control shows; the owner snaps and stores the result.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>

#include "ui/preview/GrabHandle.h"

#include <QRubberBand>
class QWidget;

namespace roamplot {

class ControlSizer : public QObject {
    Q_OBJECT
  public:
    explicit ControlSizer(QObject* owner = nullptr);
    ~ControlSizer() override;

    bool AllowMove() const { return allowMove_; }
    void SetAllowMove(bool allow) { allowMove_ = allow; }
    bool AllowResize() const { return allowResize_; }
    void SetAllowResize(bool allow);
    QWidget* Control() const { return control_; }
    void SetControl(QWidget* control);
    bool LimitToParentRect() const { return limitToParent_; }
    void SetLimitToParentRect(bool limit) { limitToParent_ = limit; }
    int MinimumMove() const { return minimumMove_; }
    void SetMinimumMove(int pixels) { minimumMove_ = pixels < 1 ? 1 : pixels; }

    // Turns the rectangle a drag would give now (the control's new bounds)
    // into the one the owner will make of it on release, for the rubber band.
    using BandShaper = std::function<QRect(const QRect& bounds, bool sizing)>;
    void SetBandShaper(BandShaper shaper) { bandShaper_ = std::move(shaper); }

    // Re-places every handle on its anchor after the control's bounds changed by program.
    void UpdateHandles();

    // The move protocol, with points in the attached control's own coordinates,
    // for the control's mouse press, movement and release the owner forwards.
    void BeginMove(QPoint point);
    void MoveTo(QPoint point);
    void EndMove(QPoint point);

    GrabHandle* Handle(int position) const {
        return handles_.at(static_cast<std::size_t>(position));
    }
    // The rubber band shown during a drag, in the parent's coordinates (null when none).
    QRubberBand* Band() const { return band_; }

  signals:
    void OnStartMove();
    void OnEndMove();
    void OnStartSize();
    void OnEndSize();

  private:
    void StartSizing(GrabHandle* handle, QPoint globalPoint);
    void SizeTo(GrabHandle* handle, QPoint globalPoint);
    void EndSizing(GrabHandle* handle, QPoint globalPoint);
    QRect MoveCandidate(QPoint point) const;
    QRect SizeCandidate(GrabHandle* handle, QPoint globalPoint) const;
    void OpenBand();
    void ShowBand(const QRect& bounds, bool sizing);
    void CloseBand();
    void SetHandlesVisibleWish(bool wish);
    void Detach();

    bool allowMove_ = true;
    bool allowResize_ = true;
    bool limitToParent_ = false;
    int minimumMove_ = 3;
    QPointer<QWidget> control_;
    std::array<QPointer<GrabHandle>, 8> handles_;
    QPointer<QRubberBand> band_;
    bool thresholdPassed_ = false;
    bool moving_ = false;
    QPoint pressPoint_{-1, -1};
    QMetaObject::Connection destroyedConnection_;
    BandShaper bandShaper_;
};

} // namespace roamplot
