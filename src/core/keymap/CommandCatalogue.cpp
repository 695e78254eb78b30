#include "core/keymap/CommandCatalogue.h"

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"

namespace roamplot {

std::string CommandCatalogue::Load(std::string_view text) {
    entries_.clear();
    int dropped = 0;
    FileLines lines(text);
    while (const std::optional<FileLine> next = lines.Next()) {
        const std::string_view line = next->Text;
        if (line.find_first_not_of(' ') == std::string_view::npos || line.front() == ';') continue;
        if (Count() >= MaxEntries) {
            ++dropped;
            continue;
        }
        entries_.push_back(
            {GetIntField(line, 1, 0), GetField(line, 2, "???"), GetField(line, 3, "")});
    }
    if (dropped == 0) return {};
    return "commands.dat holds more than " + std::to_string(MaxEntries) + " commands; the last " +
           std::to_string(dropped) + (dropped == 1 ? " was" : " were") + " not loaded.";
}

std::string CommandCatalogue::LoadCommandCatalogue(const std::filesystem::path& programFolder) {
    const std::filesystem::path path = programFolder / "commands.dat";
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        entries_.clear();
        return "Cannot open file \"" + PathToText(path) + "\".";
    }
    return Load(*bytes);
}

int CommandCatalogue::FindCommandIndex(int32_t number) const {
    for (int i = 0; i < Count(); ++i)
        if (entries_[static_cast<std::size_t>(i)].Number == number) return i;
    return 0;
}

std::string CommandCatalogue::NameOf(int index) const {
    return Contains(index) ? At(index).Name : std::string();
}

std::string CommandCatalogue::DefaultCaptionOf(int index) const {
    return Contains(index) ? At(index).DefaultCaption : std::string();
}

} // namespace roamplot
