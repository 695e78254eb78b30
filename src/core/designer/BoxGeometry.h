#pragma once
// The arithmetic of placing boxes inside the drawing area: snapping, fitting,
// and the results of a move or resize made with the mouse.
#include <optional>
#include <string_view>

#include "core/app/DeviceScreen.h"

namespace roamplot {

struct BoxRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const BoxRect&) const = default;
};

// The snap interval typed by the user; nothing (no snapping) for 0, a negative
// number or a text that is not a number, which would divide by zero.
std::optional<int> ParseSnapInterval(std::string_view text);
// ((v + S div 2) div S) x S, division truncating toward zero.
int SnapCoordinate(int value, int interval);

// Fit by shrinking: into the area, cutting the size where the box passes an edge.
BoxRect FitByShrinking(BoxRect box, ScreenSize area);
// Fit by moving: into the area, keeping the size.
BoxRect FitByMoving(BoxRect box, ScreenSize area);

// Where a box dropped at `dropped` ends: snapped when an interval is given,
// then kept inside the area by moving.
BoxRect EndOfMove(BoxRect dropped, std::optional<int> snap, ScreenSize area);
// The rectangle after a resize with the mouse, before fitting: the edge that
// moved is snapped, the opposite edge stays.
BoxRect EndOfResize(BoxRect saved, BoxRect resized, std::optional<int> snap, ScreenSize area);

} // namespace roamplot
