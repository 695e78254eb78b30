#include "core/app/RecentFiles.h"

#include <algorithm>
#include <string>

#include "core/app/SettingsFile.h"
#include "core/device/FetchedFiles.h"

namespace roamplot {

namespace {
std::string KeyOf(int n) {
    return "File" + std::to_string(n);
}
} // namespace

RecentFileList RememberRecentFile(RecentFileList list, const std::filesystem::path& file) {
    if (!IsPcFilePath(file)) return list;
    list = ForgetRecentFile(std::move(list), file);
    list.insert(list.begin(), file.lexically_normal());
    if (list.size() > MaxRecentFiles) list.resize(MaxRecentFiles);
    return list;
}

RecentFileList ForgetRecentFile(RecentFileList list, const std::filesystem::path& file) {
    const std::filesystem::path normal = file.lexically_normal();
    std::erase_if(list,
                  [&](const std::filesystem::path& p) { return p.lexically_normal() == normal; });
    return list;
}

RecentFileList ReadRecentFiles(const SettingsFile& file) {
    RecentFileList list;
    for (int n = MaxRecentFiles; n >= 1; --n) {
        const std::filesystem::path entry = file.ReadPath(RecentFilesSection, KeyOf(n));
        if (!entry.empty()) list = RememberRecentFile(std::move(list), entry);
    }
    return list;
}

void ChangeRecentFiles(SettingsFile& file, const RecentFileList& list) {
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        const std::size_t at = static_cast<std::size_t>(n - 1);
        if (at < list.size())
            file.ChangePath(RecentFilesSection, KeyOf(n), list[at]);
        else if (!file.ReadString(RecentFilesSection, KeyOf(n), "").empty())
            file.Change(RecentFilesSection, KeyOf(n), ""); // a shorter list leaves no stale entry
    }
}

} // namespace roamplot
