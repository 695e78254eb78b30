#pragma once
// One layout for another handheld: every box of every page scaled from one
// drawing area to another.
#include <optional>
#include <string>
#include <string_view>

#include "core/app/DeviceScreen.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

// A screen a layout can be scaled to: no side below 50 pixels, none above 4096.
bool IsScalableScreen(ScreenSize size);
inline constexpr const char* UnscalableScreenMessage =
    "The target screen must be 50 to 4096 pixels on each side.";

// An edge from an area side of `from` pixels to one of `to`, rounded to the
// nearest pixel and kept within 0..to: edges that met still meet.
int ScaleEdge(int edge, int from, int to);

// Left, top, width and height by the ratios of the two areas, edge by edge;
// font sizes, border width and radius by the smaller ratio (an automatic font
// stays automatic, a font or border that was there stays at least 1 pixel).
// Symbols and background pictures keep their size.
void ScaleBoxes(ScreenLayout& layout, ScreenSize from, ScreenSize to);

// The screen a row number of the device table names ("5"; "7" is the custom
// screen as given) or a size ("800x480": the first row of that size, else a
// custom screen). Nothing for a text that names neither, or an unscalable size.
std::optional<DeviceScreen> TargetScreenOf(std::string_view text, const DeviceScreen& custom);

} // namespace roamplot
