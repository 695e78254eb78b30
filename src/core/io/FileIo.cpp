#include "core/io/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace roamplot {

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

std::string WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::filesystem::path target(path);
    std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::random_device random;
    std::filesystem::path temporary =
        folder / ("." + target.filename().string() + "." + std::to_string(random()) + ".tmp");

    std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
    if (!file) return "Cannot create file \"" + path + "\". " + std::strerror(errno);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int writeError = errno;
    if (std::fflush(file) != 0) {
        written = false;
        writeError = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        writeError = errno;
    }
    if (!written) {
        std::remove(temporary.string().c_str());
        return "Cannot write file \"" + path + "\". " + std::strerror(writeError);
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::remove(temporary.string().c_str());
        return "Cannot replace file \"" + path + "\". " + error.message();
    }
    return {};
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

std::string FileNamePart(const std::string& path) {
    std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(const std::string& path) {
    std::string name = FileNamePart(path);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

} // namespace roamplot
