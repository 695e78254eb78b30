#pragma once
// The value of a parameter box with its units, and the automatic font size.
#include <QString>
#include <string>

#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"
#include "render/TextFindings.h"

namespace roamplot {

class BoxCanvas;
struct BoxGeometry;

struct WorkingValue {
    std::string Value;
    std::string Units; // empty when none are shown
};
// The value and units as shown: "ROAMCE" units follow the default units, long
// unit words are shortened, and some codes carry their units in the sample text.
WorkingValue WorkingValueOf(const ParameterBox& box, const RenderContext& context);
// "KILOMETERS" gives "km" and so on; other units are returned unchanged.
std::string ShortUnitWord(const std::string& units);

// The point size of the units: 10, the value's size when that is 1 to 9, 12 in large boxes.
int UnitsFontSize(const ParameterBox& box, const BoxGeometry& g);
// The largest size from 4 upward at which the value fits beside the units
// reserve and below the title; 3 when size 4 does not fit.
int AutoValueFontSize(const QString& value, const BoxGeometry& g, int titleHeight,
                      int unitsReserve);

// The value is measured against the inner width less the units reserve.
void DrawValueText(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                   int titleHeight, const RenderContext& context,
                   const TextFindingSink* findings = nullptr);

} // namespace roamplot
