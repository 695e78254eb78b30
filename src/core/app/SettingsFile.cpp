#include "core/app/SettingsFile.h"

#include <SimpleIni.h>

#include <new>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/FieldFunctions.h"

namespace roamplot {

struct SettingsFile::Contents {
    CSimpleIniA Ini;
    std::string Unread; // why an existing file could not be read
    std::string Notice; // the same for the user, when it was left unread on purpose
    bool Changed = false;
};

SettingsFile::SettingsFile(std::filesystem::path path)
    : path_(std::move(path)), contents_(std::make_unique<Contents>()) {
    contents_->Ini.SetSpaces(false);
    std::error_code error;
    if (std::filesystem::is_regular_file(path_, error) &&
        std::filesystem::file_size(path_, error) > MostSettingsFileBytes && !error) {
        contents_->Unread = "it is larger than 16 MiB";
        contents_->Notice = "The settings file " + PathToText(path_) +
                            " is larger than 16 MiB, so it was not read: the designer starts "
                            "with its defaults and leaves the file as it is.";
        return;
    }
    std::optional<std::string> bytes = ReadFileStart(path_, MostSettingsFileBytes + 1);
    if (bytes && bytes->size() <= MostSettingsFileBytes) {
        try {
            contents_->Ini.LoadData(bytes->data(), bytes->size());
        } catch (const std::bad_alloc&) {
            contents_->Ini.Reset();
            contents_->Unread = "there was not enough memory to read it";
        }
    } else if (std::string reason = UnreadableReason(path_); reason != "it does not exist.") {
        contents_->Unread = reason.empty() ? "it grew while it was read" : reason;
    }
}

const std::string& SettingsFile::Notice() const {
    return contents_->Notice;
}

SettingsFile::~SettingsFile() = default;
SettingsFile::SettingsFile(SettingsFile&&) noexcept = default;
SettingsFile& SettingsFile::operator=(SettingsFile&&) noexcept = default;

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    return contents_->Ini.GetValue(section.c_str(), key.c_str(), defaultValue.c_str());
}

int SettingsFile::ReadInt(const std::string& section, const std::string& key,
                          int defaultValue) const {
    std::string text = ReadString(section, key, "");
    return TryStrToInt(text).value_or(defaultValue);
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key,
                            bool defaultValue) const {
    return ReadInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::filesystem::path SettingsFile::ReadPath(const std::string& section,
                                             const std::string& key) const {
    const std::string value = ReadString(section, key, "");
    return IsValidUtf8(value) ? PathFromUtf8(value) : PathFromText(value);
}

void SettingsFile::ChangePath(const std::string& section, const std::string& key,
                              const std::filesystem::path& value) {
    Change(section, key, PathToUtf8(value));
}

void SettingsFile::Change(const std::string& section, const std::string& key,
                          const std::string& value) {
    const char* stored = contents_->Ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (stored && value == stored) return;
    contents_->Ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    contents_->Changed = true;
}

std::string SettingsFile::Save() {
    if (!contents_->Changed || !contents_->Notice.empty()) return {};
    if (!contents_->Unread.empty())
        return "The settings file " + PathToText(path_) + " was not read (" + contents_->Unread +
               "), so it is not replaced.";
    std::string text;
    try {
        if (contents_->Ini.Save(text) < 0)
            return "Cannot write the settings file " + PathToText(path_);
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to write the settings file " + PathToText(path_);
    }
    std::string error = WriteFileAtomically(path_, text);
    if (error.empty()) contents_->Changed = false;
    return error;
}

std::string SettingsFile::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    Change(section, key, value);
    return Save();
}

std::string SettingsFile::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

std::string SettingsFile::WriteBool(const std::string& section, const std::string& key,
                                    bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

} // namespace roamplot
