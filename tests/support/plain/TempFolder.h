#pragma once
// A fresh folder under the system's temporary folder, removed with the object.
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
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }
    // Writes a file inside the folder and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;
    std::string Read(std::string_view name) const;

  private:
    std::string path_;
};

// A program folder with copies of the shipped catalogues (and no settings file).
std::string CopyShippedCatalogues(const TempFolder& folder);

} // namespace roamplot::test
