#include "core/keymap/KeyMap.h"

namespace roamplot {

std::string HardwareKeyName(int key) {
    static const std::array<const char*, CursorKeyCount> cursorKeys{"Up", "Down", "Left", "Right",
                                                                    "Centre"};
    if (key >= 0 && key < CursorKeyCount) return cursorKeys[static_cast<std::size_t>(key)];
    if (key >= CursorKeyCount && key < HardwareKeyCount)
        return "Button " + std::to_string(key - CursorKeyCount + 1);
    return {};
}

void KeyMap::Clear() {
    HardwareKeys.fill(0);
    for (auto& page : ScreenButtons) page.fill(ScreenButton{});
}

ScreenButton* KeyMap::FindScreenButton(int page, int button) {
    if (page < 1 || page > ScreenButtonPages || button < 1 || button > ScreenButtonsPerPage)
        return nullptr;
    return &ScreenButtons[static_cast<std::size_t>(page - 1)][static_cast<std::size_t>(button - 1)];
}

const ScreenButton* KeyMap::FindScreenButton(int page, int button) const {
    return const_cast<KeyMap*>(this)->FindScreenButton(page, button);
}

void KeyMap::AssignHardwareKey(int key, int32_t command) {
    if (key < 0 || key >= HardwareKeyCount) return;
    int32_t& slot = HardwareKeys[static_cast<std::size_t>(key)];
    if (slot == command) return;
    slot = command;
    Changed = true;
}

void KeyMap::AssignScreenButton(int page, int button, int32_t command, const std::string& caption) {
    ScreenButton* target = FindScreenButton(page, button);
    if (!target) return;
    ScreenButton assigned{command, caption.substr(0, MaxCaptionLength)};
    if (*target == assigned) return;
    *target = std::move(assigned);
    Changed = true;
}

void KeyMap::OfferDefaultCaption(int page, int button, const std::string& caption) {
    if (ScreenButton* target = FindScreenButton(page, button))
        target->Caption = caption.substr(0, MaxCaptionLength);
}

} // namespace roamplot
