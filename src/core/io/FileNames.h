#pragma once
// File names are the system's own paths (UTF-8 bytes on Linux, UTF-16 on
// Windows); the contents of our files are Windows-1252 text. These are the only
// crossings between the two, and none of them throws on a name that is not
// well-formed in its encoding.
#include <filesystem>
#include <string>
#include <string_view>

namespace roamplot {

// The path as UTF-8; on Linux the bytes of the name exactly as they are.
std::string PathToUtf8(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(std::string_view utf8);
bool IsValidUtf8(std::string_view bytes);
// The path as UTF-16; bytes of a Linux name that are not UTF-8 become U+FFFD.
std::u16string PathToUtf16(const std::filesystem::path& path);
std::filesystem::path PathFromUtf16(const std::u16string& utf16);

// The path as Windows-1252 text, as a parameter file or a message holds it;
// characters without a Windows-1252 byte become "?".
std::string PathToText(const std::filesystem::path& path);
// Whether PathToText keeps every character of the path.
bool PathFitsText(const std::filesystem::path& path);
std::filesystem::path PathFromText(std::string_view windows1252);

// The part of the path after its last "/" or "\", whatever the system: a name
// written on Windows keeps its folder out of a label on Linux too.
std::filesystem::path FileNameOf(const std::filesystem::path& path);

} // namespace roamplot
