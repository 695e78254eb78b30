#include "core/keymap/KeyMapHistory.h"

namespace roamplot {

void KeyMapHistory::Reset(const KeyMap& map) {
    base_ = Of(map);
    steps_.Clear(!map.Changed);
}

bool KeyMapHistory::Record(const KeyMap& map, const std::string& name, int row) {
    Assignments now = Of(map);
    if (now == base_) return false;
    Step* last = steps_.OpenStep();
    if (last && last->Name == name && last->Row == row)
        last->After = now;
    else
        steps_.Push({name, row, base_, now});
    base_ = std::move(now);
    return true;
}

int KeyMapHistory::Apply(KeyMap& map, const Assignments& assignments, int row) {
    map.HardwareKeys = assignments.HardwareKeys;
    map.ScreenButtons = assignments.ScreenButtons;
    map.Changed = !steps_.AtSaved();
    base_ = assignments;
    return row;
}

std::optional<int> KeyMapHistory::Undo(KeyMap& map) {
    const Step* step = steps_.Undo();
    if (!step) return std::nullopt;
    return Apply(map, step->Before, step->Row);
}

std::optional<int> KeyMapHistory::Redo(KeyMap& map) {
    const Step* step = steps_.Redo();
    if (!step) return std::nullopt;
    return Apply(map, step->After, step->Row);
}

} // namespace roamplot
