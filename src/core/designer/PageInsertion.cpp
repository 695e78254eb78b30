#include "core/designer/PageInsertion.h"

#include <algorithm>
#include <string>

namespace roamplot {

namespace {
bool HoldsBoxes(const Page& page) {
    return std::any_of(page.Boxes.begin(), page.Boxes.end(),
                       [](const ParameterBox& box) { return box.InUse(); });
}
} // namespace

int RoomForPages(const ScreenLayout& layout, int after) {
    int room = 0;
    for (int p = std::max(after + 1, 1); p <= MaxPages; ++p)
        if (!HoldsBoxes(layout.PageAt(p))) ++room;
    return room;
}

int InsertPages(ScreenLayout& layout, int after, const std::vector<Page>& pages) {
    after = std::clamp(after, 0, MaxPages);
    const int count = std::min(static_cast<int>(pages.size()), RoomForPages(layout, after));
    if (count == 0) return 0;
    // The pages after `after` up to the last empty page used up, without the empty ones.
    std::vector<Page> moved;
    int used = 0;
    int p = after + 1;
    for (; p <= MaxPages && used < count; ++p) {
        if (HoldsBoxes(layout.PageAt(p)))
            moved.push_back(std::move(layout.PageAt(p)));
        else
            ++used;
    }
    int target = after + 1;
    auto put = [&](Page page) {
        for (ParameterBox& box : page.Boxes) {
            if (!box.InUse()) continue;
            box.PageNo = target;
            box.Selected = 0;
        }
        layout.PageAt(target++) = std::move(page);
    };
    for (int i = 0; i < count; ++i) put(pages[static_cast<std::size_t>(i)]);
    for (Page& page : moved) put(std::move(page));
    return count;
}

std::string OnlyPagesMessage(int room) {
    return "Only " + std::to_string(room) + (room == 1 ? " page" : " pages") + " can be added.";
}

} // namespace roamplot
