#include "core/app/WindowArea.h"

#include <algorithm>

namespace roamplot {

namespace {
int KeepSpan(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}
} // namespace

WindowPosition KeepInsideArea(WindowRect frame, WindowRect area) {
    return {KeepSpan(frame.Left, frame.Width, area.Left, area.Width),
            KeepSpan(frame.Top, frame.Height, area.Top, area.Height)};
}

FirstStartPlaces PlaceAtFirstStart(WindowRect mainFrame, int previewWidth, int previewHeight,
                                   WindowRect area) {
    WindowPosition main{mainFrame.Left, mainFrame.Top};
    const int mainWidth = mainFrame.Width;
    const int mainHeight = mainFrame.Height;
    WindowPosition preview;
    if (main.Left + mainWidth + previewWidth <= area.Right()) {
        preview = {main.Left + mainWidth, main.Top};
    } else if (main.Left - previewWidth >= area.Left) {
        preview = {main.Left - previewWidth, main.Top};
    } else if (previewWidth + mainWidth <= area.Width) {
        preview = {area.Left, main.Top};
        main.Left = area.Left + previewWidth;
    } else {
        preview = {main.Left, main.Top + mainHeight};
    }
    return {main, KeepInsideArea({preview.Left, preview.Top, previewWidth, previewHeight}, area)};
}

int FitZoom(ScreenSize screen, int border, ScreenSize room, int maxZoom) {
    for (int zoom = maxZoom; zoom > 1; --zoom)
        if (screen.Width * zoom + 2 * border <= room.Width &&
            screen.Height * zoom + 2 * border <= room.Height)
            return zoom;
    return 1;
}

ScreenSize ScrolledViewSize(ScreenSize content, ScreenSize room, int scrollBar) {
    bool across = content.Width > room.Width;
    const bool down = content.Height + (across ? scrollBar : 0) > room.Height;
    across = across || content.Width + (down ? scrollBar : 0) > room.Width;
    return {std::min(content.Width + (down ? scrollBar : 0), room.Width),
            std::min(content.Height + (across ? scrollBar : 0), room.Height)};
}

ScreenSize SizeInArea(ScreenSize kept, ScreenSize wanted, ScreenSize least, WindowRect area) {
    // A size from a larger monitor, or a damaged settings file, falls back on the wanted size.
    const bool usable = kept.Width > 0 && kept.Height > 0 && kept.Width <= 4 * area.Width &&
                        kept.Height <= 4 * area.Height;
    const ScreenSize size = usable ? kept : wanted;
    auto fit = [](int value, int smallest, int room) {
        return std::max(std::min(smallest, room), std::min(value, room));
    };
    return {fit(size.Width, least.Width, area.Width), fit(size.Height, least.Height, area.Height)};
}

DockedShare ShareDockedWidth(int width, int controlsWanted, int controlsLeast, int previewWanted) {
    if (2 * (width - controlsWanted) >= previewWanted)
        return {controlsWanted, width - controlsWanted};
    const int least = std::min(controlsLeast, controlsWanted);
    const int preview = std::max(0, std::min(previewWanted, width - least));
    const int controls = std::min(controlsWanted, width - preview);
    return {controls, width - controls};
}

} // namespace roamplot
