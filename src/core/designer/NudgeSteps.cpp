#include "core/designer/NudgeSteps.h"

#include <algorithm>

#include "core/designer/StepNames.h"
#include "core/model/FieldFunctions.h"

namespace roamplot {

namespace {

// Beyond any screen: a larger step acts as this one and cannot overflow the sums.
constexpr int LargestStep = 1 << 16;

// The edge test of a move: true when a whole step would carry the box past it.
bool ReachesEdge(const BoxRect& b, NudgeStep step, int s, ScreenSize area) {
    switch (step) {
    case NudgeStep::Left:
        return b.Left - s < 0;
    case NudgeStep::Right:
        return b.Left + s + b.Width > area.Width;
    case NudgeStep::Up:
        return b.Top - s < 0;
    case NudgeStep::Down:
        return b.Top + s + b.Height > area.Height;
    default:
        return false;
    }
}

BoxRect FlushAgainstEdge(BoxRect b, NudgeStep step, ScreenSize area) {
    switch (step) {
    case NudgeStep::Left:
        b.Left = 0;
        break;
    case NudgeStep::Right:
        b.Left = area.Width - b.Width;
        break;
    case NudgeStep::Up:
        b.Top = 0;
        break;
    case NudgeStep::Down:
        b.Top = area.Height - b.Height;
        break;
    default:
        break;
    }
    return b;
}

BoxRect MoveBox(BoxRect b, NudgeStep step, int s, ScreenSize area) {
    if (ReachesEdge(b, step, s, area)) return FlushAgainstEdge(b, step, area);
    switch (step) {
    case NudgeStep::Left:
        b.Left -= s;
        break;
    case NudgeStep::Right:
        b.Left += s;
        break;
    case NudgeStep::Up:
        b.Top -= s;
        break;
    case NudgeStep::Down:
        b.Top += s;
        break;
    default:
        break;
    }
    return b;
}

// Outward steps of the left and right edges need room for the whole step; the
// top and bottom edges go out while the box does not touch that edge, and the
// fit then cuts off what passes it.
BoxRect ResizeBox(BoxRect b, NudgeStep step, int s, ScreenSize area) {
    switch (step) {
    case NudgeStep::TopOut:
        if (b.Top > 0) {
            b.Height += s;
            b.Top -= s;
        }
        break;
    case NudgeStep::BottomOut:
        if (b.Top + b.Height < area.Height) b.Height += s;
        break;
    case NudgeStep::LeftOut:
        if (b.Left - s >= 0) {
            b.Width += s;
            b.Left -= s;
        }
        break;
    case NudgeStep::RightOut:
        if (b.Left + s + b.Width <= area.Width) b.Width += s;
        break;
    case NudgeStep::TopIn:
        if (b.Height - s > 0) {
            b.Top += s;
            b.Height -= s;
        }
        break;
    case NudgeStep::BottomIn:
        if (b.Height - s > 0) b.Height -= s;
        break;
    case NudgeStep::LeftIn:
        if (b.Width - s > 0) {
            b.Left += s;
            b.Width -= s;
        }
        break;
    case NudgeStep::RightIn:
        if (b.Width - s > 0) b.Width -= s;
        break;
    default:
        break;
    }
    return b;
}

bool IsGroupMember(const ScreenLayout& layout, int slot) {
    const ParameterBox& box = layout.Box(layout.CurrentPage, slot);
    return box.InUse() && box.Selected == 1;
}

void MoveGroup(LayoutEditor& editor, NudgeStep step, int s, ScreenSize area) {
    const ScreenLayout& layout = editor.Layout();
    // A group keeps its shape: when one member would pass the edge, only that
    // member goes flush against it and the others stay.
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        if (!IsGroupMember(layout, slot)) continue;
        BoxRect b = editor.BoxRectOf(slot);
        if (ReachesEdge(b, step, s, area)) {
            editor.SetBoxRect(slot, FlushAgainstEdge(b, step, area));
            editor.ApplyBoxGeometry(slot, area);
            return;
        }
    }
    for (int slot = 1; slot <= SlotsPerPage; ++slot)
        if (IsGroupMember(layout, slot))
            editor.SetBoxRect(slot, MoveBox(editor.BoxRectOf(slot), step, s, area));
    for (int slot = 1; slot <= SlotsPerPage; ++slot)
        if (layout.Box(layout.CurrentPage, slot).InUse()) editor.ApplyBoxGeometry(slot, area);
}

} // namespace

const char* NudgeStepName(NudgeStep step) {
    return IsMoveStep(step) ? StepNames::MoveBox : StepNames::ResizeBox;
}

bool IsMoveStep(NudgeStep step) {
    return step == NudgeStep::Up || step == NudgeStep::Down || step == NudgeStep::Left ||
           step == NudgeStep::Right;
}

void Nudge(LayoutEditor& editor, int slot, NudgeStep step, int pixels, ScreenSize area,
           bool group) {
    LayoutEditor::EditScope scope(editor);
    editor.Touch(NudgeStepName(step));
    pixels = std::clamp(pixels, -LargestStep, LargestStep);
    if (IsMoveStep(step) && group) return MoveGroup(editor, step, pixels, area);
    if (slot < 1 || slot > SlotsPerPage) return;
    BoxRect b = editor.BoxRectOf(slot);
    editor.SetBoxRect(slot, IsMoveStep(step) ? MoveBox(b, step, pixels, area)
                                             : ResizeBox(b, step, pixels, area));
    editor.ApplyBoxGeometry(slot, area);
}

bool ApplyTypedBounds(LayoutEditor& editor, int slot, const TypedBounds& fields, ScreenSize area) {
    LayoutEditor::EditScope scope(editor);
    if (slot < 1 || slot > SlotsPerPage) return false;
    for (const std::string& field : fields)
        if (field.empty()) return false;
    BoxRect typed{StrToInt(fields[0]), StrToInt(fields[1]), StrToInt(fields[2]),
                  StrToInt(fields[3])};
    editor.SetBoxRect(slot, typed);
    editor.ApplyBoxPosition(slot, area);
    return true;
}

} // namespace roamplot
