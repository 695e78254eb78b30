#pragma once
// The handheld screens a layout can be designed for.
#include <array>
#include <string>

namespace roamplot {

struct DeviceScreenRow {
    const char* Label;
    int Width;
    int Height;
    const char* DeviceTypeCode;
};

inline constexpr int CustomDeviceRow = 7;
inline constexpr int DeviceRowCount = 8;
// The bottom rows of every screen belong to the handheld program's toolbar.
inline constexpr int ToolbarHeight = 39;

inline constexpr std::array<DeviceScreenRow, DeviceRowCount> DeviceScreens{{
    {"240 x 320 (Pocket PC Portrait)", 240, 320, "PPC"},
    {"320 x 240 (Pocket PC Landscape)", 320, 240, "PPC"},
    {"240 x 240 (Pocket PC)", 240, 240, "PPC"},
    {"320 x 240 (HPC/PND/PNA)", 320, 240, "HPC"},
    {"480 x 234 (HPC/PND/PNA)", 480, 234, "HPC"},
    {"480 x 272 (HPC/PND/PNA)", 480, 272, "HPC"},
    {"640 x 240 (HPC/PND/PNA)", 640, 240, "HPC"},
    {"Custom", 0, 0, "Custom"},
}};

inline constexpr int MaxScreenSide = 4096;

struct ScreenSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// The selected device screen with the custom size.
struct DeviceScreen {
    int Row = 0;
    int CustomWidth = 480;
    int CustomHeight = 240;

    static bool IsValidRow(int row) { return row >= 0 && row < DeviceRowCount; }
    // The screen size of the row; a row outside 0..7 has none.
    ScreenSize Size() const;
    // The area boxes live in: the screen less the toolbar rows.
    ScreenSize DrawArea() const { return {Size().Width, Size().Height - ToolbarHeight}; }
    std::string DeviceTypeCode() const;
    // Landscape handheld rows (3 to 6) put the preview below the main window
    // and new boxes in the top right corner.
    bool IsHandheldLandscape() const { return Row >= 3 && Row <= 6; }
};

// A custom screen up to 4096 pixels a side, high enough for the toolbar and
// at least one row of boxes above it.
constexpr bool IsUsableCustomSize(int width, int height) {
    return width >= 1 && width <= MaxScreenSide && height > ToolbarHeight &&
           height <= MaxScreenSide;
}
inline constexpr const char* UnusableCustomSizeMessage =
    "The custom screen must be 1 to 4096 pixels wide and 40 to 4096 pixels high.";

// Where the locked preview goes beside the main window.
struct WindowPlace {
    int Left = 0;
    int Top = 0;
    bool operator==(const WindowPlace&) const = default;
};
WindowPlace PlacePreviewBeside(const DeviceScreen& screen, int mainLeft, int mainTop,
                               int mainHeight, int previewWidth);

} // namespace roamplot
