#pragma once
// Which command each button of the handheld runs: the five cursor keys, ten
// program buttons and nine on-screen control buttons on each of pages 1 to 4.
// Commands are catalogue indexes.
#include <array>
#include <cstdint>
#include <string>

namespace roamplot {

inline constexpr int HardwareKeyCount = 15; // Up, Down, Left, Right, Centre, Button 1..10
inline constexpr int CursorKeyCount = 5;
inline constexpr int ProgramButtonCount = 10;
inline constexpr int ScreenButtonPages = 4;
inline constexpr int ScreenButtonsPerPage = 9;
inline constexpr std::size_t MaxCaptionLength = 25;

// "Up", "Down", "Left", "Right", "Centre", "Button 1" .. "Button 10".
std::string HardwareKeyName(int key);

struct ScreenButton {
    int32_t Command = 0;
    std::string Caption;
    bool operator==(const ScreenButton&) const = default;
};

struct KeyMap {
    std::array<int32_t, HardwareKeyCount> HardwareKeys{};
    std::array<std::array<ScreenButton, ScreenButtonsPerPage>, ScreenButtonPages> ScreenButtons{};
    // Edits since the last key file was loaded or saved.
    bool Changed = false;

    // Every button back to the first command with no caption.
    void Clear();

    // Page 1..4, button 1..9; nullptr outside the map.
    ScreenButton* FindScreenButton(int page, int button);
    const ScreenButton* FindScreenButton(int page, int button) const;

    // The editor's assignments: each raises Changed when the map differs afterwards.
    void AssignHardwareKey(int key, int32_t command);
    // Keeps the first 25 characters of the caption.
    void AssignScreenButton(int page, int button, int32_t command, const std::string& caption);
    // A focused button without a caption is given its command's default one:
    // that is no edit of the user's, so Changed stays as it was.
    void OfferDefaultCaption(int page, int button, const std::string& caption);
};

} // namespace roamplot
