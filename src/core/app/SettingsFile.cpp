#include "core/app/SettingsFile.h"

#include <SimpleIni.h>

#include "core/io/FileIo.h"
#include "core/model/FieldFunctions.h"

namespace roamplot {

namespace {
void LoadInto(CSimpleIniA& ini, const std::string& path) {
    ini.SetSpaces(false);
    if (auto bytes = ReadFileBytes(path)) ini.LoadData(bytes->data(), bytes->size());
}
} // namespace

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue) const {
    CSimpleIniA ini;
    LoadInto(ini, path_);
    return ini.GetValue(section.c_str(), key.c_str(), defaultValue.c_str());
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

std::string SettingsFile::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) const {
    CSimpleIniA ini;
    LoadInto(ini, path_);
    ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    std::string text;
    if (ini.Save(text) < 0) return "Cannot write the settings file " + path_;
    return WriteFileAtomically(path_, text);
}

std::string SettingsFile::WriteInt(const std::string& section, const std::string& key,
                                   int value) const {
    return WriteString(section, key, std::to_string(value));
}

std::string SettingsFile::WriteBool(const std::string& section, const std::string& key,
                                    bool value) const {
    return WriteString(section, key, value ? "1" : "0");
}

} // namespace roamplot
