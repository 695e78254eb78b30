#pragma once
// What the handheld will not tell: boxes that pass the edge of the drawing
// area and texts wider than the room their box gives them.
#include <string>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

enum class FindingKind { PartlyOutside, ValueTooWide, TitleTooWide };

struct BoxFinding {
    int Page = 0;
    int Slot = 0;
    FindingKind Kind = FindingKind::PartlyOutside;
    // The texts: the measured width and the width there is room for.
    int TextWidth = 0;
    int AreaWidth = 0;
    bool operator==(const BoxFinding&) const = default;
};

// A box in use that is not wholly inside the area (0, 0)-(width, height).
bool LiesPartlyOutside(const ParameterBox& box, ScreenSize area);
// The boxes of one page that lie partly outside, in slot order.
std::vector<BoxFinding> OutsideFindings(const ScreenLayout& layout, int page, ScreenSize area);

struct OutsideCount {
    int Boxes = 0;
    int Pages = 0;
};
// Over every page, the ones beyond the pages in use included: their boxes are sent too.
OutsideCount CountOutside(const ScreenLayout& layout, ScreenSize area);
// "N boxes on M pages lie partly outside the new screen."
std::string OutsideMessage(OutsideCount count);

// In page, slot and kind order, which is the order lines are listed in.
void SortFindings(std::vector<BoxFinding>& findings);
// What is wrong, without naming the box: "value text 52 px wide in a 40 px area".
// The screen is the whole device screen, its toolbar rows included.
std::string FindingHint(const BoxFinding& finding, ScreenSize screen);
// "page 1, box 3: " and the hint.
std::string FindingLine(const BoxFinding& finding, ScreenSize screen);

} // namespace roamplot
