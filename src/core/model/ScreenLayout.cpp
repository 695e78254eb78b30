#include "core/model/ScreenLayout.h"

#include <utility>

namespace roamplot {

bool IsParameterKind(const std::string& kind) {
    return kind == BoxKind::SingleParameter || kind == BoxKind::MultiParameter ||
           kind == BoxKind::NavParameter;
}

ScreenLayout::ScreenLayout() {
    for (int p = 1; p <= MaxPages; ++p) PageAt(p).PageName = "Page " + std::to_string(p);
}

int ScreenLayout::BoxCount(int page) const {
    int count = 0;
    for (const auto& box : PageAt(page).Boxes)
        if (box.InUse()) ++count;
    return count;
}

int ScreenLayout::FirstFreeSlot(int page) const {
    for (int s = 1; s <= SlotsPerPage; ++s)
        if (!Box(page, s).InUse()) return s;
    return 0;
}

bool ScreenLayout::PageHasMap(int page) const {
    for (const auto& box : PageAt(page).Boxes)
        if (box.InUse() && box.Kind == BoxKind::Map) return true;
    return false;
}

void ClearSlot(ScreenLayout& layout, int page, int slot) {
    ParameterBox& box = layout.Box(page, slot);
    ParameterBox fresh;
    fresh.Left = box.Left;
    fresh.Top = box.Top;
    fresh.Width = box.Width;
    fresh.Height = box.Height;
    fresh.SymbolRef = std::move(box.SymbolRef);
    box = std::move(fresh);
}

void ClearPage(ScreenLayout& layout, int page) {
    for (int s = 1; s <= SlotsPerPage; ++s) ClearSlot(layout, page, s);
}

void ResetLayout(ScreenLayout& layout) {
    for (int p = 1; p <= MaxPages; ++p) {
        ClearPage(layout, p);
        layout.PageAt(p).PageName = "Page " + std::to_string(p);
    }
    layout.CurrentPage = 1;
    layout.Modified = false;
}

void RemoveBox(ScreenLayout& layout, int page, int slot) {
    auto& boxes = layout.PageAt(page).Boxes;
    boxes.at(static_cast<std::size_t>(slot - 1)).Symbol.reset();
    for (int i = slot; i < SlotsPerPage; ++i) {
        // The record is copied, the bitmap changes owner.
        ParameterBox& from = boxes[static_cast<std::size_t>(i)];
        SharedDib symbol = std::move(from.Symbol);
        from.Symbol.reset();
        boxes[static_cast<std::size_t>(i - 1)] = from;
        boxes[static_cast<std::size_t>(i - 1)].Symbol = std::move(symbol);
    }
    ParameterBox& last = boxes[SlotsPerPage - 1];
    last.ParameterId = "0";
    last.PageNo = 0;
    last.Units.clear();
    last.SymbolPlacement = 0;
    last.Symbol.reset();
    last.SymbolFile.clear();
}

void GiveCreationValues(ScreenLayout& layout) {
    for (auto& page : layout.Pages) {
        for (auto& box : page.Boxes) {
            box = ParameterBox{};
            box.ParameterId.clear();
            box.TitleText = "123";
            box.TitleFontSize = 11;
            box.TextFontSize = 12;
            box.BorderColor = Grey;
        }
    }
}

} // namespace roamplot
