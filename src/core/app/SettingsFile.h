#pragma once
// The settings file: a Windows profile file of [section] headers and key=value
// lines. Section and key names match without regard to case; other lines are
// kept. Every read and every write opens the file, does one access and closes it.
#include <string>

namespace roamplot {

class SettingsFile {
  public:
    explicit SettingsFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // A value that is not a number reads as the default.
    int ReadInt(const std::string& section, const std::string& key, int defaultValue) const;
    // True when the stored number is not 0.
    bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

    // Each returns the file system's message on failure, empty on success.
    std::string WriteString(const std::string& section, const std::string& key,
                            const std::string& value) const;
    std::string WriteInt(const std::string& section, const std::string& key, int value) const;
    std::string WriteBool(const std::string& section, const std::string& key, bool value) const;

  private:
    std::string path_;
};

} // namespace roamplot
