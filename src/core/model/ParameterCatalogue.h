#pragma once
// What a box can show, read once at start-up from Parameters.dat.
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/Colour.h"

namespace roamplot {

// One catalogue position (record type Tparams).
struct CatalogueEntry {
    int32_t Id = 0;   // 0 for "<Select>", -1 for a group title
    std::string Kind; // the BoxKind tag a box takes
    std::string Name; // for a group title: the title
    std::string DefaultTitle;
    std::string UnitsList; // alternatives separated by "|", the first is the default
    int32_t Spare = 0;     // a sixth numeric column, kept but unused
    std::string SampleValue;
    Colour GroupColor = White;

    bool IsGroupTitle() const { return Id == -1; }
    // The text of this entry's item in the parameter choice.
    std::string ItemText() const { return IsGroupTitle() ? "-" + Name : Name; }
};

enum class Quantity { Speed = 0, Altitude = 1, Distance = 2, Heading = 3 };

class ParameterCatalogue {
  public:
    static constexpr int MaxPositions = 301;

    ParameterCatalogue();

    // Reads the catalogue text; returns what the user should be told (empty when all went well).
    std::string Load(std::string_view text);
    // Reads ProgramFolder/Parameters.dat.
    std::string LoadFile(const std::filesystem::path& path);

    const std::vector<CatalogueEntry>& Entries() const { return entries_; }
    const CatalogueEntry& At(std::size_t position) const { return entries_.at(position); }
    std::size_t Size() const { return entries_.size(); }

    std::string NameOf(std::string_view id) const;
    std::string UnitsOf(std::string_view id) const;
    // The last entry with the identifier (the file reader's sample lookup), or nullptr.
    const CatalogueEntry* LastWithId(int32_t id) const;
    // The position of the first entry with the identifier, or -1.
    int PositionOf(int32_t id) const;

    const std::string& UnitsLine(Quantity quantity) const {
        return unitsLines_[static_cast<std::size_t>(quantity)];
    }

  private:
    const CatalogueEntry* FirstWithId(std::string_view id) const;

    std::vector<CatalogueEntry> entries_;
    std::array<std::string, 4> unitsLines_;
};

std::string DefaultUnits(std::string_view unitsList);
std::string SampleWithDecimals(std::string_view sample, std::string_view decimals);

} // namespace roamplot
