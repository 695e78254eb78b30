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
// refused untouched, and so is anything that is not a regular file (a pipe, a
// device). What an interrupted write of the same file left is removed. Returns the file system's
// message on failure (the path as Windows-1252 text), empty on success.
std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The file a write of the path replaces: a chain of symbolic links followed to its end.
std::filesystem::path WriteTargetOf(const std::filesystem::path& path);
inline constexpr const char* NotARegularFile = "it is not a regular file";
// Why the file a write would replace may not be replaced ("it is not a
// regular file", or the system's "Permission denied"); empty when it may, or
// when nothing is there yet.
std::string ReplacementProblem(const std::filesystem::path& target);
// A fresh name beside the target for a write that then replaces it; names that
// begin with "." so a listing leaves them out.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target);
// Removes what writes of the target that were cut off left beside it.
void RemoveWriteLeftovers(const std::filesystem::path& target);

bool FileExists(const std::filesystem::path& path);

// Of text that names a file (a symbol file in a parameter file, a device path):
// the part after its last "/" or "\".
std::string FileNamePart(const std::string& path);
// The extension with its dot (".par1"), or empty.
std::string ExtensionOf(const std::string& path);

} // namespace roamplot
