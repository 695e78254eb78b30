#include "core/app/SaveTarget.h"

#include <system_error>

#include "core/device/FetchedFiles.h"

namespace roamplot {

bool SaveAsksForName(const std::filesystem::path& current) {
    if (!IsPcFilePath(current) || current.filename() == UntitledParameterFileName) return true;
    std::error_code error;
    return !std::filesystem::is_directory(current.parent_path(), error);
}

} // namespace roamplot
