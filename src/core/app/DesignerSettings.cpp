#include "core/app/DesignerSettings.h"

#include "core/model/FieldFunctions.h"

namespace roamplot {

namespace SettingKeys {
#define ROAMPLOT_SETTING(name, section, key, value)                                                \
    const SettingKey& name() {                                                                     \
        static const SettingKey setting{section, key, value};                                      \
        return setting;                                                                            \
    }
ROAMPLOT_SETTING(NumberOfPages, "Settings", "No of Pages", "5")
ROAMPLOT_SETTING(AdjustPixels, "Settings", "Adjust Pixels", "1")
ROAMPLOT_SETTING(SnapPixels, "Settings", "Snap Pixels", "10")
ROAMPLOT_SETTING(UseSnap, "Settings", "Use Snap", "0")
ROAMPLOT_SETTING(LockWindows, "Settings", "Lock Windows", "0")
ROAMPLOT_SETTING(DeviceFolder, "Settings", "RoamplotCE Folder", "\\Roamplot 2")
ROAMPLOT_SETTING(DeviceMountFolder, "Settings", "Device Mount Folder", "")
ROAMPLOT_SETTING(DeviceType, "Settings", "Device Type", "0")
ROAMPLOT_SETTING(CustomWidth, "Settings", "Custom Device Width", "480")
ROAMPLOT_SETTING(CustomHeight, "Settings", "Custom Device Height", "240")
ROAMPLOT_SETTING(PreviewZoom, "Settings", "Preview Zoom", "1")
ROAMPLOT_SETTING(DockPreview, "Settings", "Dock Preview", "1")
ROAMPLOT_SETTING(ParameterFile, "Parameters", "Filename", "")
ROAMPLOT_SETTING(KeyFile, "Buttons", "Filename", "")
#undef ROAMPLOT_SETTING

const SettingKey& DefaultUnits(int quantity) {
    static const std::array<SettingKey, 4> keys{{{"Default Units", "Speed", "0"},
                                                 {"Default Units", "Distance", "0"},
                                                 {"Default Units", "Altitude", "0"},
                                                 {"Default Units", "Heading", "0"}}};
    return keys.at(static_cast<std::size_t>(quantity));
}

const SettingKey& ButtonKeyCode(int button) {
    static const std::array<SettingKey, 10> keys = [] {
        std::array<SettingKey, 10> made;
        for (int n = 1; n <= 10; ++n)
            made[static_cast<std::size_t>(n - 1)] = {
                "Button Defaults", "Button " + std::to_string(n), std::to_string(192 + n)};
        return made;
    }();
    return keys.at(static_cast<std::size_t>(button - 1));
}
} // namespace SettingKeys

const std::array<std::vector<std::string>, 4>& DefaultUnitsChoices() {
    static const std::array<std::vector<std::string>, 4> choices{{
        {"kph", "mph", "knots", "mps", "fps"},
        {"kilometers", "miles", "nm", "meters", "feet"},
        {"meters", "feet"},
        {"true", "magnetic"},
    }};
    return choices;
}

namespace {
std::string Text(const SettingsFile& file, const SettingKey& key) {
    return file.ReadString(key.Section, key.Key, key.Default);
}
int Int(const SettingsFile& file, const SettingKey& key) {
    return file.ReadInt(key.Section, key.Key, StrToInt(key.Default));
}
std::filesystem::path FileName(const SettingsFile& file, const SettingKey& key) {
    return file.ReadPath(key.Section, key.Key);
}
bool Bool(const SettingsFile& file, const SettingKey& key) {
    return file.ReadBool(key.Section, key.Key, key.Default != "0");
}
} // namespace

DesignerSettings ReadDesignerSettings(const SettingsFile& file, std::vector<std::string>* notices) {
    DesignerSettings s;
    if (notices && !file.Notice().empty()) notices->push_back(file.Notice());
    s.NumberOfPages = Int(file, SettingKeys::NumberOfPages());
    s.AdjustStep = Text(file, SettingKeys::AdjustPixels());
    s.SnapInterval = Text(file, SettingKeys::SnapPixels());
    s.UseSnap = Bool(file, SettingKeys::UseSnap());
    s.LockWindows = Bool(file, SettingKeys::LockWindows());
    s.DeviceFolder = Text(file, SettingKeys::DeviceFolder());
    s.DeviceMountFolder = FileName(file, SettingKeys::DeviceMountFolder());
    for (int q = 0; q < 4; ++q)
        s.DefaultUnits[static_cast<std::size_t>(q)] = Int(file, SettingKeys::DefaultUnits(q));
    for (int b = 1; b <= 10; ++b)
        s.ButtonKeyCodes[static_cast<std::size_t>(b - 1)] =
            Text(file, SettingKeys::ButtonKeyCode(b));
    s.Screen.Row = Int(file, SettingKeys::DeviceType());
    if (!DeviceScreen::IsValidRow(s.Screen.Row)) {
        if (notices)
            notices->push_back("The stored device type " + std::to_string(s.Screen.Row) +
                               " is not one of the screens; the first screen is used.");
        s.Screen.Row = 0;
    }
    s.Screen.CustomWidth = Int(file, SettingKeys::CustomWidth());
    s.Screen.CustomHeight = Int(file, SettingKeys::CustomHeight());
    if (!IsUsableCustomSize(s.Screen.CustomWidth, s.Screen.CustomHeight)) {
        s.Screen.CustomWidth = DeviceScreen{}.CustomWidth;
        s.Screen.CustomHeight = DeviceScreen{}.CustomHeight;
    }
    s.PreviewZoom = Int(file, SettingKeys::PreviewZoom());
    s.DockPreview = Bool(file, SettingKeys::DockPreview());
    s.MainWindowSize = {file.ReadInt(MainFormSection, "Width", 0),
                        file.ReadInt(MainFormSection, "Height", 0)};
    s.ParameterFileName = FileName(file, SettingKeys::ParameterFile());
    s.KeyFileName = FileName(file, SettingKeys::KeyFile());
    s.RecentFiles = ReadRecentFiles(file);
    return s;
}

namespace {
void ChangeCustomSize(SettingsFile& file, int width, int height) {
    file.Change(SettingKeys::CustomWidth().Section, SettingKeys::CustomWidth().Key,
                std::to_string(width));
    file.Change(SettingKeys::CustomHeight().Section, SettingKeys::CustomHeight().Key,
                std::to_string(height));
}
} // namespace

std::string WriteDesignerSettingsAtClose(SettingsFile& file, const DesignerSettings& s) {
    auto text = [&](const SettingKey& key, const std::string& value) {
        file.Change(key.Section, key.Key, value);
    };
    auto number = [&](const SettingKey& key, int value) { text(key, std::to_string(value)); };
    auto fileName = [&](const SettingKey& key, const std::filesystem::path& value) {
        file.ChangePath(key.Section, key.Key, value);
    };
    fileName(SettingKeys::ParameterFile(), s.ParameterFileName);
    fileName(SettingKeys::KeyFile(), s.KeyFileName);
    number(SettingKeys::NumberOfPages(), s.NumberOfPages);
    text(SettingKeys::AdjustPixels(), s.AdjustStep);
    text(SettingKeys::SnapPixels(), s.SnapInterval);
    number(SettingKeys::UseSnap(), s.UseSnap ? 1 : 0);
    number(SettingKeys::LockWindows(), s.LockWindows ? 1 : 0);
    text(SettingKeys::DeviceFolder(), s.DeviceFolder);
    fileName(SettingKeys::DeviceMountFolder(), s.DeviceMountFolder);
    for (int q = 0; q < 4; ++q)
        number(SettingKeys::DefaultUnits(q), s.DefaultUnits[static_cast<std::size_t>(q)]);
    for (int b = 1; b <= 10; ++b)
        text(SettingKeys::ButtonKeyCode(b), s.ButtonKeyCodes[static_cast<std::size_t>(b - 1)]);
    number(SettingKeys::DeviceType(), s.Screen.Row);
    if (s.Screen.Row == CustomDeviceRow)
        ChangeCustomSize(file, s.Screen.CustomWidth, s.Screen.CustomHeight);
    number(SettingKeys::PreviewZoom(), s.PreviewZoom);
    number(SettingKeys::DockPreview(), s.DockPreview ? 1 : 0);
    if (s.MainWindowSize.Width > 0 && s.MainWindowSize.Height > 0) {
        number({MainFormWriteSection, "Width", ""}, s.MainWindowSize.Width);
        number({MainFormWriteSection, "Height", ""}, s.MainWindowSize.Height);
    }
    ChangeRecentFiles(file, s.RecentFiles);
    return file.Save();
}

std::string WriteCustomSize(SettingsFile& file, int width, int height) {
    ChangeCustomSize(file, width, height);
    return file.Save();
}

WindowPosition ClampWindowPosition(int left, int top, int screenWidth, int screenHeight) {
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    if (left > screenWidth) left = 100;
    if (top > screenHeight) top = 100;
    return {left, top};
}

WindowPosition RestoreWindowPosition(const SettingsFile& file, const std::string& section,
                                     int defaultLeft, int defaultTop, int screenWidth,
                                     int screenHeight) {
    int left = TryStrToInt(file.ReadString(section, "Left", std::to_string(defaultLeft)))
                   .value_or(defaultLeft);
    int top = TryStrToInt(file.ReadString(section, "Top", std::to_string(defaultTop)))
                  .value_or(defaultTop);
    return ClampWindowPosition(left, top, screenWidth, screenHeight);
}

void ChangeWindowPosition(SettingsFile& file, const std::string& section, WindowPosition position) {
    file.Change(section, "Left", std::to_string(position.Left));
    file.Change(section, "Top", std::to_string(position.Top));
}

std::string StoreWindowPosition(SettingsFile& file, const std::string& section,
                                WindowPosition position) {
    ChangeWindowPosition(file, section, position);
    return file.Save();
}

} // namespace roamplot
