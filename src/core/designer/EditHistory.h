#pragma once
// Undo and redo of the layout's content. A step keeps the pages one edit
// changed, before and after; the box selection flags are view state and
// are neither compared nor restored.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/app/UndoStack.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

// What the user looked at: the page shown and the box attached to the sizer,
// and the device screen where the step changed it.
struct EditView {
    int Page = 1;
    int Slot = NoBox;
    std::optional<DeviceScreen> Screen;
};

class EditHistory {
  public:
    // The layout as loaded or made new: no step to undo; the saved state
    // unless the layout matches no file.
    void Reset(const ScreenLayout& layout, bool matchesFile = true);

    // Records what changed since the last step under `name`. A step of the same
    // name on the same pages and box as the last one, with no burst end between,
    // joins it. Returns false when nothing changed.
    bool Record(const ScreenLayout& layout, const std::string& name, EditView before,
                EditView after);
    void EndBurst() { steps_.EndBurst(); }

    bool CanUndo() const { return steps_.CanUndo(); }
    bool CanRedo() const { return steps_.CanRedo(); }
    std::string UndoName() const { return steps_.UndoName(); }
    std::string RedoName() const { return steps_.RedoName(); }
    // Puts the changed pages back; returns the view to show.
    std::optional<EditView> Undo(ScreenLayout& layout);
    std::optional<EditView> Redo(ScreenLayout& layout);

    void MarkSaved() { steps_.MarkSaved(); }
    // True when the layout is as it was last saved or loaded.
    bool AtSaved() const { return steps_.AtSaved(); }
    std::size_t Size() const { return steps_.Size(); }

  private:
    struct PageChange {
        int Number;
        Page Before;
        Page After;
    };
    struct Step {
        std::string Name;
        std::vector<PageChange> Pages;
        EditView Before;
        EditView After;
    };
    void Restore(ScreenLayout& layout, const Page& page, int number);

    std::array<Page, MaxPages> base_; // the pages as the last step left them
    UndoStack<Step> steps_;
};

} // namespace roamplot
