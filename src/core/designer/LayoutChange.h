#pragma once
// What one finished edit touched, so that the views showing the layout
// update once per edit and only what changed.
#include <set>
#include <utility>

namespace roamplot {

struct LayoutChange {
    std::set<int> Pages;                 // every page touched, by number
    std::set<std::pair<int, int>> Boxes; // (page, slot) of the boxes changed in place
    bool Replaced = false;               // a load or a new layout: nothing of the old one stays
    bool Shown = false;                  // a page was shown anew
    bool Restacked = false;              // boxes came, went or changed slots or pages
    bool Renamed = false;                // a page name changed

    void MarkPage(int page) { Pages.insert(page); }
    void MarkBox(int page, int slot) {
        Pages.insert(page);
        Boxes.insert({page, slot});
    }
    bool Touches(int page) const { return Pages.count(page) > 0; }
    bool Empty() const { return Pages.empty(); }
    // Only boxes of that page changed in place: no box came, went or moved slot.
    bool InPlaceOn(int page) const { return !Replaced && !Shown && !Restacked && Touches(page); }
};

} // namespace roamplot
