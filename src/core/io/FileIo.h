#pragma once
// Whole-file reading and safe replacement of files.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace roamplot {

// Far above any file of ours (a layout is well under a megabyte, the largest
// picture allowed 64 MiB), so that a device or a runaway file is refused
// instead of read until memory runs out.
inline constexpr std::uintmax_t MostFileBytes = 128u << 20;

// The file's bytes, or nothing when it cannot be opened or read, is no
// regular file (a folder, a pipe, a device) or is larger than MostFileBytes.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
// At most the first count bytes of such a file.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t count);
// Why ReadFileBytes gives nothing for the path, as the end of a sentence
// ("it is a folder."); empty when nothing stands in the way.
std::string UnreadableReason(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when every byte was written, so a failed write leaves the
// old file as it was. A symbolic link is written through to the file it names;
// a file that exists keeps its permissions, and one the user may not write is
// refused untouched. Returns the file system's message on failure (the path
// as Windows-1252 text), empty on success.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

bool FileExists(const std::filesystem::path& path);

// Of text that names a file (a symbol file in a parameter file, a device path):
// the part after its last "/" or "\".
std::string FileNamePart(const std::string& path);
// The extension with its dot (".par1"), or empty.
std::string ExtensionOf(const std::string& path);

} // namespace roamplot
