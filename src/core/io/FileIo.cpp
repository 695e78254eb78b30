#include "core/io/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/io/FileNames.h"

namespace roamplot {

namespace {

// Empty when the path names a regular file, of at most MostFileBytes when it is to be read whole.
std::string RegularFileProblem(const std::filesystem::path& path, bool whole) {
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
std::optional<std::string> ReadAtMost(const std::filesystem::path& path, std::size_t count,
                                      bool whole) {
    if (!RegularFileProblem(path, whole).empty()) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string content;
    // Growing by doubling would hold up to twice the file for a moment.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error) content.reserve(static_cast<std::size_t>(std::min<std::uintmax_t>(size, count)));
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

// The file a chain of symbolic links ends at (the path itself when it is none),
// so that a save replaces that file and keeps the links.
std::filesystem::path ThroughLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) break;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// Sets errno when the user may not write the file.
bool MayWrite(const std::filesystem::path& path) {
#ifdef _WIN32
    return _waccess(path.c_str(), 2) == 0;
#else
    return access(path.c_str(), W_OK) == 0;
#endif
}

std::FILE* OpenForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    return ReadAtMost(path, MostFileBytes + 1, true);
}

std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t count) {
    return ReadAtMost(path, count, false);
}

std::string UnreadableReason(const std::filesystem::path& path) {
    std::string problem = RegularFileProblem(path, true);
    if (!problem.empty()) return problem;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string(std::strerror(errno)) + ".";
    return {};
}

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::string shown = PathToText(path);
    const std::filesystem::path target = ThroughLinks(path);
    std::error_code error;
    const std::filesystem::file_status old = std::filesystem::status(target, error);
    const bool replacing = !error && std::filesystem::exists(old);
    // Renaming over a file needs only the folder's permission; the file's own decides here.
    if (replacing && !MayWrite(target))
        return "Cannot write file \"" + shown + "\". " + std::strerror(errno);

    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::random_device random;
    std::filesystem::path name = ".";
    name += target.filename().native();
    name += "." + std::to_string(random()) + ".tmp";
    const std::filesystem::path temporary = folder / name;

    std::FILE* file = OpenForWriting(temporary);
    if (!file) return "Cannot create file \"" + shown + "\". " + std::strerror(errno);
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
        std::filesystem::remove(temporary, error);
        return "Cannot write file \"" + shown + "\". " + std::strerror(writeError);
    }
    if (replacing)
        std::filesystem::permissions(temporary, old.permissions(),
                                     std::filesystem::perm_options::replace, error);
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return "Cannot replace file \"" + shown + "\". " + error.message();
    }
    return {};
}

bool FileExists(const std::filesystem::path& path) {
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
