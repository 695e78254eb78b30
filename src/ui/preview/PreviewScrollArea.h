#pragma once
// The scroll area a preview larger than the screen sits in: the wheel scrolls
// down and up, Shift+wheel sideways, and Ctrl+wheel is left to the window's zoom.
#include <QScrollArea>

namespace roamplot {

class PreviewScrollArea : public QScrollArea {
  public:
    explicit PreviewScrollArea(QWidget* parent);

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace roamplot
