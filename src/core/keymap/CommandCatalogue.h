#pragma once
// What a button can run, read once at start-up from commands.dat. The rest of
// the program refers to a command by its index here; numbers appear only in
// key files.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace roamplot {

// Record type Tcommand.
struct CommandEntry {
    int32_t Number = 0;
    std::string Name;
    std::string DefaultCaption;
};

class CommandCatalogue {
  public:
    static constexpr int MaxEntries = 101;

    // Reads the catalogue text, replacing what was loaded; returns what the
    // user should be told (empty when all went well).
    std::string Load(std::string_view text);
    // Reads programFolder/commands.dat.
    std::string LoadCommandCatalogue(const std::filesystem::path& programFolder);

    // The first entry with the number, or 0 (the fallback command) when none has it.
    int FindCommandIndex(int32_t number) const;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Contains(int index) const { return index >= 0 && index < Count(); }
    // Throws std::out_of_range for an index outside the catalogue.
    const CommandEntry& At(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    // The entry's name, or empty for an index outside the catalogue.
    std::string NameOf(int index) const;
    std::string DefaultCaptionOf(int index) const;

  private:
    std::vector<CommandEntry> entries_;
};

} // namespace roamplot
