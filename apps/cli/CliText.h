#pragma once
// The companion's arguments arrive as UTF-8 (on Linux: the bytes of a name as
// given); the core holds file contents and messages as Windows-1252 text, and
// file names as paths.
#include <filesystem>
#include <string>

namespace roamplot::cli {

std::filesystem::path ArgumentPath(const std::string& argument);
// A name for the handheld as Windows-1252 text; characters it cannot hold become "?".
std::string ArgumentText(const std::string& argument);
// UTF-8 for the terminal.
std::string Printable(const std::string& windows1252);
std::string Printable(const std::filesystem::path& path);
// A message of the core about the file at the path, with the file's real name.
std::string Printable(const std::string& windows1252, const std::filesystem::path& path);

} // namespace roamplot::cli
