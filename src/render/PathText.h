#pragma once
// File names cross between the windows and the core as the system's own paths:
// UTF-16 on Windows, UTF-8 elsewhere. Never through the Windows-1252 helpers,
// which are for the contents of files.
#include <QString>
#include <filesystem>

#include "core/io/FileNames.h"

namespace roamplot {

inline std::filesystem::path PathFromQString(const QString& name) {
    return PathFromUtf16(name.toStdU16String());
}

inline QString QStringFromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(PathToUtf16(path));
}

} // namespace roamplot
