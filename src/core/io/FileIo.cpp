#include "core/io/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace roamplot {

namespace {

// Empty when the path names a regular file, of at most MostFileBytes when it is to be read whole.
std::string RegularFileProblem(const std::string& path, bool whole) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return "it does not exist.";
    if (std::filesystem::is_directory(status)) return "it is a folder.";
    if (!std::filesystem::is_regular_file(status)) return "it is not a regular file.";
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return error.message() + ".";
    if (whole && size > MostFileBytes)
        return "it is larger than " + std::to_string(MostFileBytes >> 20) + " MiB.";
    return {};
}

// Reads at most count bytes; a file that grows past MostFileBytes while it is
// read is refused all the same.
std::optional<std::string> ReadAtMost(const std::string& path, std::size_t count, bool whole) {
    if (!RegularFileProblem(path, whole).empty()) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    char buffer[1 << 16];
    while (content.size() < count) {
        const std::size_t wanted = std::min(sizeof buffer, count - content.size());
        in.read(buffer, static_cast<std::streamsize>(wanted));
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (!in) break;
    }
    if (in.bad()) return std::nullopt;
    if (whole && content.size() > MostFileBytes) return std::nullopt;
    return content;
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    return ReadAtMost(path, MostFileBytes + 1, true);
}

std::optional<std::string> ReadFileStart(const std::string& path, std::size_t count) {
    return ReadAtMost(path, count, false);
}

std::string UnreadableReason(const std::string& path) {
    std::string problem = RegularFileProblem(path, true);
    if (!problem.empty()) return problem;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string(std::strerror(errno)) + ".";
    return {};
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
