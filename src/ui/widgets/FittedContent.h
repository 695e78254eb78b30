#pragma once
// Holds a window's content at its natural size, or smaller with scroll bars
// where the available area of the screen cannot show it whole, so no control
// is ever cut off out of reach.
#include <QScrollArea>

#include "core/app/WindowArea.h"

namespace roamplot {

class FittedContent : public QScrollArea {
  public:
    FittedContent(QWidget* content, QWidget* parent);

    // Sizes this so that the frame of the window it is in fits the area.
    void FitWindowInto(const WindowRect& area);
    // Takes the size the window's layout gives it, down to `least`, and asks
    // for the content's whole size.
    void FollowWindow(QSize least);
    QSize sizeHint() const override;

  private:
    bool following_ = false;
};

} // namespace roamplot
