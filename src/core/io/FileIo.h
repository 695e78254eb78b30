#pragma once
// Whole-file reading and safe replacement of files.
#include <optional>
#include <string>
#include <string_view>

namespace roamplot {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes the bytes to a temporary file beside the target and renames it over
// the target only when every byte was written, so a failed write leaves the
// old file as it was. Returns the file system's message on failure, empty on success.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);

// The part of a path after its last "/" or "\".
std::string FileNamePart(const std::string& path);
// The extension with its dot (".par1"), or empty.
std::string ExtensionOf(const std::string& path);

} // namespace roamplot
