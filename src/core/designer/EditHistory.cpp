#include "core/designer/EditHistory.h"

#include <algorithm>

namespace roamplot {

namespace {
bool SameBox(const ParameterBox& a, const ParameterBox& b) {
    if (a.Selected == b.Selected) return a == b;
    ParameterBox unselected = b;
    unselected.Selected = a.Selected;
    return a == unselected;
}

bool SamePage(const Page& a, const Page& b) {
    return a.PageName == b.PageName &&
           std::equal(a.Boxes.begin(), a.Boxes.end(), b.Boxes.begin(), SameBox);
}
} // namespace

void EditHistory::Reset(const ScreenLayout& layout, bool matchesFile) {
    base_ = layout.Pages;
    steps_.Clear(matchesFile);
}

bool EditHistory::Record(const ScreenLayout& layout, const std::string& name, EditView before,
                         EditView after) {
    std::vector<PageChange> changes;
    for (int p = 1; p <= MaxPages; ++p) {
        Page& old = base_[static_cast<std::size_t>(p - 1)];
        if (SamePage(old, layout.PageAt(p))) continue;
        changes.push_back({p, old, layout.PageAt(p)});
        old = layout.PageAt(p);
    }
    if (changes.empty()) return false;
    Step* last = steps_.OpenStep();
    auto samePages = [](const PageChange& a, const PageChange& b) { return a.Number == b.Number; };
    if (last && last->Name == name && last->After.Page == after.Page &&
        last->After.Slot == after.Slot &&
        std::equal(last->Pages.begin(), last->Pages.end(), changes.begin(), changes.end(),
                   samePages)) {
        for (std::size_t i = 0; i < changes.size(); ++i)
            last->Pages[i].After = std::move(changes[i].After);
        last->After = std::move(after);
        return true;
    }
    steps_.Push({name, std::move(changes), before, after});
    return true;
}

void EditHistory::Restore(ScreenLayout& layout, const Page& page, int number) {
    Page& target = layout.PageAt(number);
    target = page;
    for (ParameterBox& box : target.Boxes) box.Selected = 0;
    base_[static_cast<std::size_t>(number - 1)] = target;
}

std::optional<EditView> EditHistory::Undo(ScreenLayout& layout) {
    const Step* step = steps_.Undo();
    if (!step) return std::nullopt;
    for (const PageChange& change : step->Pages) Restore(layout, change.Before, change.Number);
    return step->Before;
}

std::optional<EditView> EditHistory::Redo(ScreenLayout& layout) {
    const Step* step = steps_.Redo();
    if (!step) return std::nullopt;
    for (const PageChange& change : step->Pages) Restore(layout, change.After, change.Number);
    return step->After;
}

} // namespace roamplot
