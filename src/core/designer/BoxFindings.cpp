#include "core/designer/BoxFindings.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace roamplot {

bool LiesPartlyOutside(const ParameterBox& box, ScreenSize area) {
    if (!box.InUse()) return false;
    // 64 bits: a damaged file may hold coordinates near the limits of 32.
    return box.Left < 0 || box.Top < 0 || int64_t{box.Left} + box.Width > area.Width ||
           int64_t{box.Top} + box.Height > area.Height;
}

std::vector<BoxFinding> OutsideFindings(const ScreenLayout& layout, int page, ScreenSize area) {
    std::vector<BoxFinding> findings;
    for (int slot = 1; slot <= SlotsPerPage; ++slot)
        if (LiesPartlyOutside(layout.Box(page, slot), area))
            findings.push_back({page, slot, FindingKind::PartlyOutside, 0, 0});
    return findings;
}

OutsideCount CountOutside(const ScreenLayout& layout, ScreenSize area) {
    OutsideCount count;
    for (int page = 1; page <= MaxPages; ++page) {
        const int boxes = static_cast<int>(OutsideFindings(layout, page, area).size());
        count.Boxes += boxes;
        if (boxes > 0) ++count.Pages;
    }
    return count;
}

std::string OutsideMessage(OutsideCount count) {
    const bool oneBox = count.Boxes == 1;
    return std::to_string(count.Boxes) + (oneBox ? " box" : " boxes") + " on " +
           std::to_string(count.Pages) + (count.Pages == 1 ? " page" : " pages") +
           (oneBox ? " lies" : " lie") + " partly outside the new screen.";
}

void SortFindings(std::vector<BoxFinding>& findings) {
    std::stable_sort(
        findings.begin(), findings.end(), [](const BoxFinding& a, const BoxFinding& b) {
            return std::tuple(a.Page, a.Slot, a.Kind) < std::tuple(b.Page, b.Slot, b.Kind);
        });
}

std::string FindingHint(const BoxFinding& finding, ScreenSize screen) {
    auto text = [&](const char* what) {
        return std::string(what) + " text " + std::to_string(finding.TextWidth) + " px wide in a " +
               std::to_string(finding.AreaWidth) + " px area";
    };
    switch (finding.Kind) {
    case FindingKind::ValueTooWide:
        return text("value");
    case FindingKind::TitleTooWide:
        return text("title");
    case FindingKind::PartlyOutside:
        break;
    }
    return "lies partly outside the " + std::to_string(screen.Width) + " x " +
           std::to_string(screen.Height - ToolbarHeight) + " drawing area of the " +
           std::to_string(screen.Width) + " x " + std::to_string(screen.Height) + " screen";
}

std::string FindingLine(const BoxFinding& finding, ScreenSize screen) {
    return "page " + std::to_string(finding.Page) + ", box " + std::to_string(finding.Slot) + ": " +
           FindingHint(finding, screen);
}

} // namespace roamplot
