#pragma once
// One of the eight 5 x 5 black squares around the control being sized.
#include <QPointer>
#include <QWidget>

namespace roamplot {

class GrabHandle : public QWidget {
    Q_OBJECT
  public:
    static constexpr int Size = 5;

    GrabHandle(int position, QObject* owner);

    int Position() const { return position_; }
    void SetPosition(int position);
    void SetControl(QWidget* control);
    QWidget* Control() const { return control_; }
    void SetVisibleWish(bool wish);
    // Centres the handle on its anchor of the control and applies the visible wish.
    void Place();
    // The anchor of a position on bounds (the top-left corner for any other position).
    static QPoint Anchor(int position, const QRect& bounds);

  signals:
    void Pressed(GrabHandle* handle, QPoint globalPoint);
    void Moved(GrabHandle* handle, QPoint globalPoint);
    void Released(GrabHandle* handle, QPoint globalPoint);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool dragging_ = false;
    QPointer<QWidget> control_;
    int position_ = 0;
    bool visibleWish_ = false;
};

} // namespace roamplot
