#pragma once
// Writes the key map in the tagged grammar (.key2) the handheld program reads.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyMap.h"

namespace roamplot {

using ButtonKeyCodeTexts = std::array<std::string, ProgramButtonCount>;

// The whole file: every key, the key codes as typed, the catalogue listing; CR LF line ends.
std::string KeyFileText(const KeyMap& map, const CommandCatalogue& catalogue,
                        const ButtonKeyCodeTexts& keyCodes);

// Replaces the file only when the new one was written whole. Returns the file
// system's message on failure, empty on success.
std::string WriteKeyFile(const std::filesystem::path& path, const KeyMap& map,
                         const CommandCatalogue& catalogue, const ButtonKeyCodeTexts& keyCodes);

// The current key file's name after writing the path: the path, or nothing for
// a transfer file (".$$$"), which must not become the current file.
std::optional<std::filesystem::path> KeyFileNameAfterWrite(const std::filesystem::path& path);

} // namespace roamplot
