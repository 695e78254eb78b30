#pragma once
// A fresh folder under the system's temporary folder, removed with the object.
#include <filesystem>
#include <string>
#include <string_view>

namespace roamplot::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    const std::filesystem::path& Folder() const { return folder_; }
    // Creates a folder inside this one (and those above it) and returns its path.
    std::filesystem::path MakeFolder(const std::filesystem::path& name) const;
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Writes a file inside the folder and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;

  private:
    std::string path_;
    std::filesystem::path folder_;
};

// A program folder with copies of the shipped catalogues (and no settings file).
std::string CopyShippedCatalogues(const TempFolder& folder);
void CopyShippedCatalogues(const std::filesystem::path& programFolder);

// Names of folders in three scripts, made as paths (never from narrow text, which
// Windows would read in its ANSI code page).
inline std::filesystem::path Latin1FolderName() {
    return std::filesystem::path(u8"Grüße");
}
inline std::filesystem::path CyrillicFolderName() {
    return std::filesystem::path(u8"Карта");
}
inline std::filesystem::path JapaneseFolderName() {
    return std::filesystem::path(u8"日本");
}

} // namespace roamplot::test
