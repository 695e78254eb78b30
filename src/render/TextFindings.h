#pragma once
// Where the drawing tells of texts wider than the room their box gives them.
// The measurement that places a text decides, so a mark never disagrees with
// what is drawn.
#include <algorithm>
#include <vector>

#include "core/designer/BoxFindings.h"

namespace roamplot {

struct TextFindingSink {
    std::vector<BoxFinding>& Found;
    int Page = 0;
    int Slot = 0;
};

// Adds the finding when the text is wider than its area; a null sink takes
// nothing. A box too small for any room has an area of 0.
inline void ReportTextWidth(const TextFindingSink* sink, FindingKind kind, int width, int area) {
    if (sink && width > area)
        sink->Found.push_back({sink->Page, sink->Slot, kind, width, std::max(0, area)});
}

} // namespace roamplot
