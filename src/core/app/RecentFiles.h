#pragma once
// The parameter files of this PC the user worked on last, newest first.
#include <filesystem>
#include <vector>

namespace roamplot {

class SettingsFile;

inline constexpr int MaxRecentFiles = 8;
inline constexpr const char* RecentFilesSection = "Recent Files";

using RecentFileList = std::vector<std::filesystem::path>;

// Puts the file first, once; a path on the handheld is never listed.
RecentFileList RememberRecentFile(RecentFileList list, const std::filesystem::path& file);
RecentFileList ForgetRecentFile(RecentFileList list, const std::filesystem::path& file);

// "File1" to "File8"; empty and device entries are skipped, so a hand-edited
// file reads as a valid list.
RecentFileList ReadRecentFiles(const SettingsFile& file);
void ChangeRecentFiles(SettingsFile& file, const RecentFileList& list);

} // namespace roamplot
