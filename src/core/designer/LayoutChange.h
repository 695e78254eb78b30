#pragma once
// What one finished edit touched, so that the views showing the layout
// redraw once per edit and only what they show.
#include <set>
#include <utility>

namespace roamplot {

struct LayoutChange {
    std::set<int> Pages;                 // every page touched, by number
    std::set<std::pair<int, int>> Boxes; // (page, slot) of the boxes touched
    bool Replaced = false;               // a load or a new layout: nothing of the old one stays

    void MarkPage(int page) { Pages.insert(page); }
    void MarkBox(int page, int slot) {
        Pages.insert(page);
        Boxes.insert({page, slot});
    }
    bool Touches(int page) const { return Pages.count(page) > 0; }
    bool Empty() const { return Pages.empty(); }
};

} // namespace roamplot
