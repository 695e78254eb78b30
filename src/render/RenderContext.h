#pragma once
// Everything drawing needs beside the layout, built the same way by the
// preview, the thumbnail writer and the command-line renderer.
#include <array>

#include "core/app/DesignerSettings.h"
#include "core/app/DeviceScreen.h"
#include "core/model/ParameterCatalogue.h"

namespace roamplot {

struct RenderContext {
    // The units lines for units shown as "ROAMCE"; without a catalogue such units stay as stored.
    const ParameterCatalogue* Catalogue = nullptr;
    // Indexes into DefaultUnitsChoices(): speed, distance, altitude, heading.
    std::array<int, 4> DefaultUnits{};
    // The size of the composed page: the device screen less its toolbar rows.
    ScreenSize DrawArea{240, 320 - ToolbarHeight};
};

RenderContext MakeRenderContext(const ParameterCatalogue& catalogue,
                                const DesignerSettings& settings);

} // namespace roamplot
