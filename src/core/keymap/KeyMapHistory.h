#pragma once
// Undo and redo on the key tab: each step is one key assignment, or one
// screen button's command and caption (a burst of typing in the caption is
// one step).
#include <array>
#include <optional>
#include <string>

#include "core/app/UndoStack.h"
#include "core/keymap/KeyMap.h"

namespace roamplot {

class KeyMapHistory {
  public:
    // After a load or a save as new: nothing to undo.
    void Reset(const KeyMap& map);
    // Records the map as an edit of `row` (the edited list row) under `name`.
    // Returns false when no assignment changed.
    bool Record(const KeyMap& map, const std::string& name, int row);
    // A change that is no edit of the user's (an offered default caption).
    void Absorb(const KeyMap& map) { base_ = Of(map); }
    void EndBurst() { steps_.EndBurst(); }

    bool CanUndo() const { return steps_.CanUndo(); }
    bool CanRedo() const { return steps_.CanRedo(); }
    std::string UndoName() const { return steps_.UndoName(); }
    std::string RedoName() const { return steps_.RedoName(); }
    // Puts the assignments back and sets Changed unless the map is as saved;
    // returns the row the step edited.
    std::optional<int> Undo(KeyMap& map);
    std::optional<int> Redo(KeyMap& map);

    void MarkSaved() { steps_.MarkSaved(); }

  private:
    struct Assignments {
        std::array<int32_t, HardwareKeyCount> HardwareKeys{};
        std::array<std::array<ScreenButton, ScreenButtonsPerPage>, ScreenButtonPages>
            ScreenButtons{};
        bool operator==(const Assignments&) const = default;
    };
    struct Step {
        std::string Name;
        int Row;
        Assignments Before;
        Assignments After;
    };
    static Assignments Of(const KeyMap& map) { return {map.HardwareKeys, map.ScreenButtons}; }
    int Apply(KeyMap& map, const Assignments& assignments, int row);

    Assignments base_;
    UndoStack<Step> steps_;
};

} // namespace roamplot
