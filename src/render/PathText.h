#pragma once
// File names cross between the windows and the core as the system's own paths:
// UTF-16 on Windows, UTF-8 elsewhere. Never through the Windows-1252 helpers,
// which are for the contents of files.
#include <QString>
#include <filesystem>

#include "core/io/FileNames.h"
#include "render/TextCodec.h"

namespace roamplot {

inline std::filesystem::path PathFromQString(const QString& name) {
    return PathFromUtf16(name.toStdU16String());
}

inline QString QStringFromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(PathToUtf16(path));
}

// A message of the core (Windows-1252 text, so a file name in it is written as
// well as Windows-1252 can) about the file at the path: with the name the file
// system has, whatever its script.
inline QString MessageNaming(const std::string& message, const std::filesystem::path& path) {
    QString text = ToQString(message);
    if (!PathFitsText(path)) text.replace(ToQString(PathToText(path)), QStringFromPath(path));
    return text;
}

} // namespace roamplot
