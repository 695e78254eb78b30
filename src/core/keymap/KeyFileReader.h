#pragma once
// Reads key files of both grammars into the key map. Reading merges: only the
// buttons a file mentions change.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyMap.h"

namespace roamplot {

// Which reader a file name selects, by its upper-cased extension.
enum class KeyFileGrammar { None, Key1, Key2 };
KeyFileGrammar KeyFileGrammarOf(const std::filesystem::path& path);

// Both throw ConversionError at a screen button line whose command field is
// not an integer; the lines before it stay merged.
void MergeKeyFile2(std::string_view text, const CommandCatalogue& catalogue, KeyMap& map);
void MergeKeyFile1(std::string_view text, const CommandCatalogue& catalogue, KeyMap& map);

struct KeyFileReadResult {
    // Why the read stopped (the file could not be opened, or a conversion
    // failed); empty when the whole file was read.
    std::string Error;
    // What the current key file's name becomes (the whole path, so that the
    // next start finds it again); nothing when it stays.
    std::optional<std::filesystem::path> KeyFileName;
};

// A whole read clears the map's Changed flag; a failed one leaves it as it was.
KeyFileReadResult ReadKeyFile2(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                               KeyMap& map);
KeyFileReadResult ReadKeyFile1(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                               KeyMap& map);
// Selects the reader by extension; any other extension reads nothing and changes nothing.
KeyFileReadResult ReadKeyFile(const std::filesystem::path& path, const CommandCatalogue& catalogue,
                              KeyMap& map);

} // namespace roamplot
