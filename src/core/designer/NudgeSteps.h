#pragma once
// The pixel steps of the "Adjust Selected box" buttons and the typed position
// fields, applied to the current page through the layout editor.
#include <array>
#include <optional>
#include <string>

#include "core/designer/LayoutEditor.h"

namespace roamplot {

// In the order a held button is looked for on every repeat tick.
enum class NudgeStep {
    TopOut,    // bte
    BottomOut, // bbe
    LeftOut,   // ble
    RightOut,  // bre
    TopIn,     // btr
    BottomIn,  // bbr
    LeftIn,    // blr
    RightIn,   // brr
    Up,
    Down,
    Right,
    Left,
};

bool IsMoveStep(NudgeStep step);
// The undo step a nudge makes: "Move Box" or "Resize Box".
const char* NudgeStepName(NudgeStep step);

// One step of `step` pixels. A move acts on every multi-selected box of the
// page when `group` is set, else on `slot`; a resize always acts on `slot`.
// Every box it touches is fitted into the area by shrinking.
void Nudge(LayoutEditor& editor, int slot, NudgeStep step, int pixels, ScreenSize area, bool group);

// The four position fields, in the order Left, Top, Width, Height.
using TypedBounds = std::array<std::string, 4>;

// Stores the typed rectangle in the box and fits it by moving. Nothing happens
// while a field is empty; a field that is no integer throws ConversionError
// before anything is stored, so the box keeps its whole old rectangle.
// Returns whether the box was changed.
bool ApplyTypedBounds(LayoutEditor& editor, int slot, const TypedBounds& fields, ScreenSize area);

} // namespace roamplot
