#pragma once
// The texts of the main window's status bar, from what the designer knows.
#include <optional>
#include <string>

#include "core/designer/BoxGeometry.h"

namespace roamplot {

struct DevicePoint {
    int X = 0;
    int Y = 0;
};

struct StatusFacts {
    std::optional<DevicePoint> Pointer; // over the preview, in device pixels
    std::optional<BoxRect> SelectedBox;
    int Zoom = 1;
    std::string FileName; // the file-name part of the current parameter file
    bool Unsaved = false; // the layout has changes not written to the file
};

struct StatusTexts {
    std::string Pointer;
    std::string SelectedBox;
    std::string Zoom;
    std::string File;
};

// Nothing is shown for a pointer outside the preview or when no box is selected.
StatusTexts MakeStatusTexts(const StatusFacts& facts);
// The pointer's text alone: the one that changes with every movement.
std::string PointerText(const std::optional<DevicePoint>& pointer);

} // namespace roamplot
