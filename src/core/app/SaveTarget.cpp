#include "core/app/SaveTarget.h"

#include <system_error>

#include "core/device/FetchedFiles.h"
#include "core/io/FileNames.h"

namespace roamplot {

bool SaveAsksForName(const std::filesystem::path& current) {
    if (!IsPcFilePath(current) || current.filename() == UntitledParameterFileName) return true;
    std::error_code error;
    return !std::filesystem::is_directory(current.parent_path(), error);
}

std::filesystem::path ProposedSaveName(const std::filesystem::path& current,
                                       const std::filesystem::path& lastPcFile) {
    if (current.empty() || IsPcFilePath(current)) return current;
    const std::filesystem::path name = FileNameOf(current);
    if (!IsPcFilePath(lastPcFile)) return name;
    return lastPcFile.parent_path() / name;
}

} // namespace roamplot
