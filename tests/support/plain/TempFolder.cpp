#include "plain/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "core/io/FileIo.h"

namespace roamplot::test {

TempFolder::TempFolder() {
    std::random_device random;
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("roamplot-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            folder_ = candidate;
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const {
    std::string path = File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempFolder::Read(std::string_view name) const {
    return ReadFileBytes(File(name)).value_or("");
}

std::filesystem::path TempFolder::MakeFolder(const std::filesystem::path& name) const {
    std::filesystem::path made = folder_ / name;
    std::filesystem::create_directories(made);
    return made;
}

std::string CopyShippedCatalogues(const TempFolder& folder) {
    CopyShippedCatalogues(folder.Folder());
    return folder.Path();
}

void CopyShippedCatalogues(const std::filesystem::path& programFolder) {
    for (const char* name : {"Parameters.dat", "commands.dat"})
        std::filesystem::copy_file(std::filesystem::path(SHIPPED_DATA_DIR) / name,
                                   programFolder / name);
}

} // namespace roamplot::test
