#pragma once
// The lightweight stand-in of one box slot on the preview: it paints nothing,
// it gives hit-testing, stacking, a hint and something for the sizer to hold.
#include <QWidget>

namespace roamplot {

class PreviewWindow;

class PreviewControl : public QWidget {
  public:
    PreviewControl(int page, int slot, PreviewWindow& window, QWidget* drawArea);

    int Tag() const { return tag_; }
    int Page() const { return tag_ / 100; }
    int Slot() const { return tag_ % 100; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int tag_;
    PreviewWindow& window_;
};

} // namespace roamplot
