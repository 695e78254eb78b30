#pragma once
// Keeping the windows on the screen's available area (the screen less its
// task bars), so that at least every title bar can be reached.
#include "core/app/DesignerSettings.h"

namespace roamplot {

struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
};

// The nearest position at which the frame lies inside the area; a frame larger
// than the area keeps its top left corner, and so its title bar, inside.
WindowPosition KeepInsideArea(WindowRect frame, WindowRect area);

struct FirstStartPlaces {
    WindowPosition Main;
    WindowPosition Preview;
};
// A preview without a place of its own: to the right of the main window, else
// to its left, else the two side by side from the area's left edge, else
// below; overlapping only where the area has no room.
FirstStartPlaces PlaceAtFirstStart(WindowRect main, int previewWidth, int previewHeight,
                                   WindowRect area);

// The largest whole zoom from 1 to maxZoom at which a screen, magnified and with
// `border` pixels on every side, fits the room; 1 when not even that fits.
int FitZoom(ScreenSize screen, int border, ScreenSize room, int maxZoom);

// The size of a view that shows content within the room: the content's own
// size where it fits, else cut to the room, a direction that scrolls taking
// the room of its scroll bar from the other.
ScreenSize ScrolledViewSize(ScreenSize content, ScreenSize room, int scrollBar);

// The size a resizable window opens at: the size kept from last time when it
// is one, else the size it asks for; never larger than the area, nor smaller
// than `least` where the area has room for that.
ScreenSize SizeInArea(ScreenSize kept, ScreenSize wanted, ScreenSize least, WindowRect area);

struct DockedShare {
    int Controls = 0;
    int Preview = 0;
};
// Shares a window's width between the controls and the preview docked beside
// them; width to spare goes to the preview, which shows it as margin. Short of
// width, the controls stay whole while the preview keeps at least half of its
// width (it scrolls the rest); below that the preview comes first, as long as
// the controls keep `controlsLeast` (they scroll below their wanted width).
DockedShare ShareDockedWidth(int width, int controlsWanted, int controlsLeast, int previewWanted);

} // namespace roamplot
