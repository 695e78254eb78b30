#include "CliText.h"

#include "core/io/FileNames.h"
#include "render/PathText.h"
#include "render/TextCodec.h"

namespace roamplot::cli {

std::filesystem::path ArgumentPath(const std::string& argument) {
    return PathFromUtf8(argument);
}

std::string ArgumentText(const std::string& argument) {
    return FromQString(QString::fromUtf8(argument.data(), static_cast<qsizetype>(argument.size())));
}

std::string Printable(const std::string& windows1252) {
    return ToQString(windows1252).toUtf8().toStdString();
}

std::string Printable(const std::filesystem::path& path) {
    return PathToUtf8(path);
}

std::string Printable(const std::string& windows1252, const std::filesystem::path& path) {
    return MessageNaming(windows1252, path).toUtf8().toStdString();
}

} // namespace roamplot::cli
