#pragma once
// Guides while dragging: the edges and centre of a box moved or sized with the
// mouse snap to the edges and centres of the other boxes of the page and of
// the drawing area, and the lines they snap to are shown.
#include <optional>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/designer/BoxGeometry.h"

namespace roamplot {

// How near, in device pixels, an edge or centre must come to a line to snap to it.
inline constexpr int GuideReach = 4;

struct Guide {
    bool Vertical = true; // a vertical line at x = At, else a horizontal one at y = At
    int At = 0;
    bool operator==(const Guide&) const = default;
};

struct GuidedRect {
    BoxRect Rect;
    std::vector<Guide> Guides; // the lines the rectangle's edges or centres lie on
    bool operator==(const GuidedRect&) const = default;
};

// The lines a box can snap to: the left, centre and right of every other box
// and of the area (x), their top, middle and bottom (y).
struct GuideLines {
    std::vector<int> X;
    std::vector<int> Y;
};
GuideLines GuideLinesOf(const std::vector<BoxRect>& others, ScreenSize area);

// A moved box is shifted so that the one of its left, centre and right that
// is nearest a line (within reach) lies on it; the same for top, middle and
// bottom. The size stays.
GuidedRect GuideMove(BoxRect dropped, const GuideLines& lines);
// A sized box: only the edges the resize moved snap, the others stay.
GuidedRect GuideResize(BoxRect saved, BoxRect resized, const GuideLines& lines);
// The lines the box's edges and centres lie on, without moving it: what a
// grid-snapped box is shown aligned with.
std::vector<Guide> GuidesTouching(BoxRect box, const GuideLines& lines);

// How a drag with the mouse snaps: to the grid when an interval is given (it
// wins over the guides), else to the guides; to nothing while the modifier
// key (Shift) is held.
struct DragSnap {
    std::optional<int> Grid;
    bool Nothing = false;
};
// Where a move or resize released now ends, kept inside the area, and the
// guides to show: none when neither grid nor guides moved the box.
GuidedRect MoveOutcome(BoxRect dropped, DragSnap snap, const GuideLines& lines, ScreenSize area);
GuidedRect ResizeOutcome(BoxRect saved, BoxRect resized, DragSnap snap, const GuideLines& lines,
                         ScreenSize area);

} // namespace roamplot
