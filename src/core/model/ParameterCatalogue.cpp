#include "core/model/ParameterCatalogue.h"

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"
#include "core/model/ParameterIds.h"

namespace roamplot {

namespace {
CatalogueEntry SelectEntry() {
    CatalogueEntry entry;
    entry.Id = 0;
    entry.Kind = "new";
    entry.Name = "<Select>";
    entry.GroupColor = White;
    return entry;
}
} // namespace

ParameterCatalogue::ParameterCatalogue() {
    entries_.push_back(SelectEntry());
}

std::string ParameterCatalogue::Load(std::string_view text) {
    entries_.assign(1, SelectEntry());
    unitsLines_ = {};
    Colour groupColour = White;
    int dropped = 0;
    int unreadable = 0;
    auto add = [&](CatalogueEntry entry) {
        if (entries_.size() < MaxPositions)
            entries_.push_back(std::move(entry));
        else
            ++dropped;
    };

    FileLines lines(text);
    while (const std::optional<FileLine> next = lines.Next()) {
        std::string line(next->Text);
        if (TrimSpaces(line).empty()) continue;
        if (line[0] == ';' || line[0] == '*') continue;
        if (line == "end") break;
        std::string key = GetField(line, 1, "");
        if (key == "speed" || key == "altitude" || key == "distance" || key == "heading") {
            Quantity q = key == "speed"      ? Quantity::Speed
                         : key == "altitude" ? Quantity::Altitude
                         : key == "distance" ? Quantity::Distance
                                             : Quantity::Heading;
            unitsLines_[static_cast<std::size_t>(q)] = line;
            continue;
        }
        if (key == "title") {
            groupColour = GetIntField(line, 3, White);
            CatalogueEntry title;
            title.Id = -1;
            title.Name = GetField(line, 2, "");
            title.GroupColor = groupColour;
            add(std::move(title));
            continue;
        }
        const int32_t id = GetIntField(line, 1, 0);
        if (id <= 0) {
            // Such a line would give a position without an item; it gives neither.
            ++unreadable;
            continue;
        }
        if (ParameterIds::IsButton(id) && line.size() >= 5) line.insert(5, "bb,");
        CatalogueEntry entry;
        entry.Id = id;
        entry.Kind = GetField(line, 2, "???");
        entry.Name = GetField(line, 3, "???");
        entry.DefaultTitle = GetField(line, 4, "???");
        entry.UnitsList = GetField(line, 5, "");
        entry.Spare = GetIntField(line, 6, 0);
        entry.SampleValue = GetField(line, 7, "???");
        entry.GroupColor = groupColour;
        add(std::move(entry));
    }

    std::string report;
    if (dropped > 0)
        report += "Parameters.dat holds more than 300 entries; the last " +
                  std::to_string(dropped) + " were not loaded.";
    if (unreadable > 0) {
        if (!report.empty()) report += "\n";
        report += "Parameters.dat: " + std::to_string(unreadable) +
                  (unreadable == 1 ? " line could not be read and was skipped."
                                   : " lines could not be read and were skipped.");
    }
    return report;
}

std::string ParameterCatalogue::LoadFile(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        Load("");
        return "Cannot read " + PathToText(path);
    }
    return Load(*bytes);
}

const CatalogueEntry* ParameterCatalogue::FirstWithId(std::string_view id) const {
    if (TrimSpaces(id).empty()) return nullptr;
    auto value = TryStrToInt(id);
    if (!value) return nullptr;
    for (const auto& entry : entries_)
        if (entry.Id == *value) return &entry;
    return nullptr;
}

std::string ParameterCatalogue::NameOf(std::string_view id) const {
    const CatalogueEntry* entry = FirstWithId(id);
    return entry ? entry->Name : std::string();
}

std::string ParameterCatalogue::UnitsOf(std::string_view id) const {
    const CatalogueEntry* entry = FirstWithId(id);
    return entry ? entry->UnitsList : std::string();
}

const CatalogueEntry* ParameterCatalogue::LastWithId(int32_t id) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if (it->Id == id) return &*it;
    return nullptr;
}

int ParameterCatalogue::PositionOf(int32_t id) const {
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].Id == id) return static_cast<int>(i);
    return -1;
}

std::string DefaultUnits(std::string_view unitsList) {
    return std::string(unitsList.substr(0, unitsList.find('|')));
}

std::string SampleWithDecimals(std::string_view sample, std::string_view decimals) {
    std::string whole(sample.substr(0, sample.find('.')));
    if (decimals == "Auto" || decimals == "0") return whole;
    // Decimals come from files too: an absurd count is not worth a huge text.
    constexpr int MostDecimals = 32;
    int n = TryStrToInt(decimals).value_or(0);
    if (n <= 0) return whole;
    if (n > MostDecimals) n = MostDecimals;
    return whole + "." + std::string(static_cast<std::size_t>(n), '0');
}

} // namespace roamplot
