#pragma once
// Every setting of the designer, declared once with its section, key and default.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/app/RecentFiles.h"
#include "core/app/SettingsFile.h"

namespace roamplot {

struct SettingKey {
    std::string Section;
    std::string Key;
    std::string Default;
};

namespace SettingKeys {
const SettingKey& NumberOfPages();
const SettingKey& AdjustPixels();
const SettingKey& SnapPixels();
const SettingKey& UseSnap();
const SettingKey& LockWindows();
const SettingKey& DeviceFolder();
const SettingKey& DeviceMountFolder();
const SettingKey& DeviceType();
const SettingKey& CustomWidth();
const SettingKey& CustomHeight();
const SettingKey& PreviewZoom();
const SettingKey& DockPreview();
// Speed, Distance, Altitude, Heading: indexes into the unit lists below.
const SettingKey& DefaultUnits(int quantity);
// Button 1 to 10.
const SettingKey& ButtonKeyCode(int button);
const SettingKey& ParameterFile();
const SettingKey& KeyFile();
} // namespace SettingKeys

// Sections of the stored window positions. The main window's section is read as
// "MainForm" and written as "Mainform"; names match without regard to case.
inline constexpr const char* MainFormSection = "MainForm";
inline constexpr const char* MainFormWriteSection = "Mainform";
inline constexpr const char* DeviceSection = "Device";
inline constexpr const char* AlignPaletteSection = "Align Palette";
inline constexpr int DefaultWindowLeft = 256;
inline constexpr int DefaultWindowTop = 20;

// The order of the four default units settings and their lists of alternatives.
enum class DefaultUnitsQuantity { Speed = 0, Distance = 1, Altitude = 2, Heading = 3 };
const std::array<std::vector<std::string>, 4>& DefaultUnitsChoices();

struct DesignerSettings {
    int NumberOfPages = 5;
    std::string AdjustStep = "1";
    std::string SnapInterval = "10";
    bool UseSnap = false;
    bool LockWindows = false;
    std::string DeviceFolder = "\\Roamplot 2";
    // The PC folder standing for the handheld's storage; empty for the remote API.
    std::filesystem::path DeviceMountFolder;
    std::array<int, 4> DefaultUnits{}; // speed, distance, altitude, heading
    std::array<std::string, 10> ButtonKeyCodes{"193", "194", "195", "196", "197",
                                               "198", "199", "200", "201", "202"};
    DeviceScreen Screen;
    int PreviewZoom = 1;
    // The preview lives in the main window, beside the controls, unless floated.
    bool DockPreview = true;
    // The main window's size while the preview is docked; 0 x 0 when none was kept.
    ScreenSize MainWindowSize{0, 0};
    std::filesystem::path ParameterFileName;
    std::filesystem::path KeyFileName;
    RecentFileList RecentFiles;
};

// Reads every setting (missing keys and values that are not numbers give the defaults).
// A stored device type that is none of the screens would leave no room for a
// box: it reads as the first screen, and `notices`, when given, gets a line
// for the user saying so.
DesignerSettings ReadDesignerSettings(const SettingsFile& file,
                                      std::vector<std::string>* notices = nullptr);
// Writes what the close writes, in one write of the file: file names,
// settings, device type (the custom size only while the custom row is
// selected) and whatever else was changed before. Returns the failure's message.
std::string WriteDesignerSettingsAtClose(SettingsFile& file, const DesignerSettings& settings);
// "Refresh" stores both values of the custom size in one write.
std::string WriteCustomSize(SettingsFile& file, int width, int height);

struct WindowPosition {
    int Left = 0;
    int Top = 0;
    bool operator==(const WindowPosition&) const = default;
};
// A negative value becomes 0; a left beyond the screen width or a top beyond its height becomes
// 100.
WindowPosition ClampWindowPosition(int left, int top, int screenWidth, int screenHeight);
WindowPosition RestoreWindowPosition(const SettingsFile& file, const std::string& section,
                                     int defaultLeft, int defaultTop, int screenWidth,
                                     int screenHeight);
// Changes the position in memory, for a later write.
void ChangeWindowPosition(SettingsFile& file, const std::string& section, WindowPosition position);
// Changes and writes it.
std::string StoreWindowPosition(SettingsFile& file, const std::string& section,
                                WindowPosition position);

} // namespace roamplot
