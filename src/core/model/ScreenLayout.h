#pragma once
// The one in-memory design: 20 pages of 32 box slots, allocated once.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/model/Colour.h"
#include "core/model/SharedDib.h"

namespace roamplot {

inline constexpr int MaxPages = 20;
inline constexpr int SlotsPerPage = 32;
// The slot of "no box": what the designer reports when no box is selected.
inline constexpr int NoBox = -1;

// The box kind tags as stored in ParameterBox::Kind and in the parameter file.
namespace BoxKind {
inline constexpr const char* Map = "map";
inline constexpr const char* Text = "txt";
inline constexpr const char* Background = "bg";
inline constexpr const char* Button = "bb";
inline constexpr const char* SingleParameter = "sp";
inline constexpr const char* MultiParameter = "mp";
inline constexpr const char* NavParameter = "np";
inline constexpr const char* New = "new";
} // namespace BoxKind

bool IsParameterKind(const std::string& kind); // "sp", "mp" or "np"

// One box slot (record type TNavparameter).
struct ParameterBox {
    std::string ParameterId = "0";
    std::string Kind;
    int32_t PageNo = 0;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    std::string Units;
    std::string Decimals = "Auto";
    int32_t ShowUnits = 1;
    std::string TitleText;
    int32_t TitleFontSize = 7;
    Colour TitleForeColor = White;
    Colour TitleBackColor = Navy;
    int32_t TitleBackStyle = 0;
    std::string TestText;
    int32_t TextFontSize = 0;
    Colour TextForeColor = Black;
    Colour TextBackColor = White;
    int32_t TextBackStyle = 0;
    Colour BorderColor = Black;
    int32_t BorderWidth = 1;
    int32_t BorderRadius = 0;
    std::string Justification = "C";
    int32_t ButtonStyle = 0;
    int32_t SymbolPlacement = 0;
    SharedDib Symbol;
    std::filesystem::path SymbolFile;
    std::string SymbolRef;
    int32_t Selected = 0;

    bool InUse() const { return PageNo > 0; }
    bool operator==(const ParameterBox&) const = default;
};

struct Page {
    std::string PageName;
    std::array<ParameterBox, SlotsPerPage> Boxes; // slot s is Boxes[s - 1]
    bool operator==(const Page&) const = default;
};

struct ScreenLayout {
    std::array<Page, MaxPages> Pages; // page p is Pages[p - 1]
    int32_t CurrentPage = 1;
    std::string DeviceTypeCode = "PPC";
    bool Modified = false;

    ScreenLayout();

    Page& PageAt(int page) { return Pages.at(static_cast<std::size_t>(page - 1)); }
    const Page& PageAt(int page) const { return Pages.at(static_cast<std::size_t>(page - 1)); }
    ParameterBox& Box(int page, int slot) {
        return PageAt(page).Boxes.at(static_cast<std::size_t>(slot - 1));
    }
    const ParameterBox& Box(int page, int slot) const {
        return PageAt(page).Boxes.at(static_cast<std::size_t>(slot - 1));
    }
    // Slots in use of a page (they are always 1 to n).
    int BoxCount(int page) const;
    // The first free slot of a page, or 0 when all 32 are in use.
    int FirstFreeSlot(int page) const;
    bool PageHasMap(int page) const;
};

// Sets every field of a slot to its reset value; the rectangle and SymbolRef stay.
void ClearSlot(ScreenLayout& layout, int page, int slot);
void ClearPage(ScreenLayout& layout, int page);
// Frees every slot, names page n "Page n", makes page 1 current, clears Modified.
void ResetLayout(ScreenLayout& layout);
// Deletes a box and moves the boxes after it down one slot each.
void RemoveBox(ScreenLayout& layout, int page, int slot);
// The values every slot holds when the preview is created, before any file is read.
void GiveCreationValues(ScreenLayout& layout);

} // namespace roamplot
