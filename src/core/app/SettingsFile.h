#pragma once
// The settings file: a Windows profile file of [section] headers and key=value
// lines. Section and key names match without regard to case; other lines are
// kept. The file is read once, when the object is made; changes stay in memory
// until Save writes the whole file at once.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace roamplot {

// Far above any settings file the designer writes: a larger one is not read,
// so reading and writing it stay within bounded memory.
inline constexpr std::uintmax_t MostSettingsFileBytes = 16u << 20;

class SettingsFile {
  public:
    explicit SettingsFile(std::filesystem::path path);
    ~SettingsFile();
    SettingsFile(SettingsFile&&) noexcept;
    SettingsFile& operator=(SettingsFile&&) noexcept;

    const std::filesystem::path& Path() const { return path_; }
    // What the user is to be told once about a file that was left unread on
    // purpose (one larger than MostSettingsFileBytes); empty otherwise.
    const std::string& Notice() const;

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // A value that is not a number reads as the default.
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) const;
    // True when the stored number is not 0.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // A file name, stored as UTF-8; a value that is not UTF-8 was written as
    // Windows-1252 (by the designer on Windows) and is read as such.
    std::filesystem::path ReadPath(const std::string& section, const std::string& key) const;

    // Changes the value in memory only.
    void Change(const std::string& section, const std::string& key, const std::string& value);
    void ChangePath(const std::string& section, const std::string& key,
                    const std::filesystem::path& value);
    // Writes every value to the file when any changed since the last write.
    // Returns the file system's message on failure, empty on success. A file
    // that exists but could not be read is never replaced: its other lines
    // would be lost. One left unread on purpose is not replaced either, and
    // without a message: its notice has said so.
    std::string Save();

    // A change and a save; each returns what Save returns.

    std::string WriteString(const std::string& section, const std::string& key,
                            const std::string& value);
    std::string WriteInt(const std::string& section, const std::string& key, int value);
    std::string WriteBool(const std::string& section, const std::string& key, bool value);

  private:
    struct Contents;
    std::filesystem::path path_;
    std::unique_ptr<Contents> contents_;
};

} // namespace roamplot
