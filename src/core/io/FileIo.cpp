#include "core/io/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

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

std::filesystem::path WriteTargetOf(const std::filesystem::path& named) {
    std::filesystem::path path = named;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) break;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

std::string ReplacementProblem(const std::filesystem::path& target) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(target, error);
    if (error || !std::filesystem::exists(status)) return {};
    // Renaming over a pipe or a device would take its place; over a file it
    // needs only the folder's permission, so the file's own decides here.
    if (!std::filesystem::is_regular_file(status)) return NotARegularFile;
    if (!MayWrite(target)) return std::strerror(errno);
    return {};
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::random_device random;
    std::filesystem::path name = ".";
    name += target.filename().native();
    name += "." + std::to_string(random()) + ".tmp";
    return folder / name;
}

void RemoveWriteLeftovers(const std::filesystem::path& target) {
    using Text = std::filesystem::path::string_type;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const Text front = std::filesystem::path(".").native() + target.filename().native() +
                       std::filesystem::path(".").native();
    const Text back = std::filesystem::path(".tmp").native();
    std::error_code error;
    std::vector<std::filesystem::path> leftovers;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const Text name = it->path().filename().native();
        if (name.size() <= front.size() + back.size() ||
            name.compare(0, front.size(), front) != 0 ||
            name.compare(name.size() - back.size(), back.size(), back) != 0)
            continue;
        const Text digits = name.substr(front.size(), name.size() - front.size() - back.size());
        if (std::all_of(digits.begin(), digits.end(), [](auto c) { return c >= '0' && c <= '9'; }))
            leftovers.push_back(it->path());
    }
    for (const std::filesystem::path& leftover : leftovers) {
        std::error_code ignored;
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(leftover, ignored)))
            std::filesystem::remove(leftover, ignored);
    }
}

std::string WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::string shown = PathToText(path);
    const std::filesystem::path target = WriteTargetOf(path);
    std::error_code error;
    const std::filesystem::file_status old = std::filesystem::status(target, error);
    const bool replacing = !error && std::filesystem::exists(old);
    if (std::string problem = ReplacementProblem(target); !problem.empty()) {
        if (problem == NotARegularFile) problem = "It is not a regular file.";
        return "Cannot write file \"" + shown + "\". " + problem;
    }
    RemoveWriteLeftovers(target);
    const std::filesystem::path temporary = TemporaryBeside(target);

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
