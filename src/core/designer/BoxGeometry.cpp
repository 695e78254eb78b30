#include "core/designer/BoxGeometry.h"

#include "core/model/FieldFunctions.h"

namespace roamplot {

std::optional<int> ParseSnapInterval(std::string_view text) {
    auto value = TryStrToInt(text);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

int SnapCoordinate(int value, int interval) {
    if (interval <= 0) return value;
    return ((value + interval / 2) / interval) * interval;
}

namespace {
// The first steps of both fits: an origin left of or above the area comes to its
// edge, one beyond the area comes back by the box's size.
BoxRect BringOriginInside(BoxRect b, ScreenSize area) {
    if (b.Left < 0) b.Left = 0;
    if (b.Top < 0) b.Top = 0;
    if (b.Left > area.Width) b.Left = area.Width - b.Width;
    if (b.Top > area.Height) b.Top = area.Height - b.Height;
    return b;
}
} // namespace

BoxRect FitByShrinking(BoxRect b, ScreenSize area) {
    b = BringOriginInside(b, area);
    if (b.Left + b.Width > area.Width) b.Width = area.Width - b.Left;
    if (b.Top + b.Height > area.Height) b.Height = area.Height - b.Top;
    return b;
}

BoxRect FitByMoving(BoxRect b, ScreenSize area) {
    b = BringOriginInside(b, area);
    if (b.Left + b.Width > area.Width) b.Left = area.Width - b.Width;
    if (b.Top + b.Height > area.Height) b.Top = area.Height - b.Height;
    return b;
}

BoxRect EndOfMove(BoxRect b, std::optional<int> snap, ScreenSize area) {
    if (snap) {
        b.Left = SnapCoordinate(b.Left, *snap);
        b.Top = SnapCoordinate(b.Top, *snap);
    }
    return FitByMoving(b, area);
}

BoxRect EndOfResize(BoxRect saved, BoxRect b, std::optional<int> snap, ScreenSize area) {
    if (!snap) return b;
    int s = *snap;
    if (b.Top != saved.Top) {
        b.Top = SnapCoordinate(b.Top, s);
        b.Height = saved.Height - (b.Top - saved.Top);
    } else if (b.Left != saved.Left) {
        b.Left = SnapCoordinate(b.Left, s);
        b.Width = saved.Width - (b.Left - saved.Left);
    } else {
        if (b.Width != saved.Width) {
            b.Width = SnapCoordinate(b.Width, s);
            if (b.Left + b.Width > area.Width) b.Width = area.Width - b.Left - 1;
        }
        if (b.Height != saved.Height) {
            b.Height = SnapCoordinate(b.Height, s);
            if (b.Top + b.Height > area.Height) b.Height = area.Height - b.Top;
        }
    }
    return b;
}

} // namespace roamplot
