#pragma once
// Moves top-level windows so that they stay on the available area of the
// screen they fall on.
#include <QPoint>
#include <QSize>

#include "core/app/WindowArea.h"

class QWidget;

namespace roamplot {

// The height a title bar may take where the frame is not known yet.
constexpr int TitleBarAllowance = 32;

// The available area of the screen under the point (the primary one when none is).
WindowRect AvailableAreaAt(QPoint point);
// The window's frame as it is, or as it will be once shown with a title bar.
WindowRect FrameOf(const QWidget& window, QPoint at);
// The largest client size whose frame fits inside the area.
QSize ClientRoomIn(const QWidget& window, WindowRect area);
// Moves the window to `at`, or the nearest place where its frame lies inside
// the area (by default the available area of the screen under `at`).
void MoveInsideArea(QWidget& window, QPoint at, const WindowRect& area);
void MoveInsideArea(QWidget& window, QPoint at);

} // namespace roamplot
