#include "core/designer/AlignCommands.h"

#include <cmath>
#include <vector>

#include "core/designer/StepNames.h"

namespace roamplot {

namespace {

// No real box lies this far from the origin; the scans start from it.
constexpr int FarBound = 9999;

std::vector<int> GroupSlots(const ScreenLayout& layout) {
    std::vector<int> slots;
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        const ParameterBox& box = layout.Box(layout.CurrentPage, slot);
        if (box.InUse() && box.Selected == 1) slots.push_back(slot);
    }
    return slots;
}

// Writes through the editor only what differs, so an idle command leaves the
// layout unmodified.
bool Store(LayoutEditor& editor, int slot, BoxRect rect) {
    if (editor.BoxRectOf(slot) == rect) return false;
    editor.Touch(StepNames::AlignBoxes);
    editor.SetBoxRect(slot, rect);
    return true;
}

// The position along the spacing axis.
int& Along(BoxRect& b, bool vertical) {
    return vertical ? b.Top : b.Left;
}

// The outer boxes stay; each box between takes the next rounded step, found as
// the nearest box at or beyond the running position. A box left behind the
// running position is not moved.
bool Space(LayoutEditor& editor, const std::vector<int>& slots, bool vertical) {
    int n = static_cast<int>(slots.size());
    if (n < 2) return false;
    int first = 0;
    int last = 0;
    int minPos = FarBound;
    int maxPos = 0;
    for (int slot : slots) {
        BoxRect b = editor.BoxRectOf(slot);
        int pos = Along(b, vertical);
        if (pos < minPos) {
            minPos = pos;
            first = slot;
        }
        if (pos > maxPos) {
            maxPos = pos;
            last = slot;
        }
    }
    if (first == 0) return false;
    double step = static_cast<double>(maxPos - minPos) / (n - 1);
    int cur = minPos;
    int prev = first;
    bool changed = false;
    for (int i = 1; i < n; ++i) {
        int next = 0;
        int nearest = FarBound;
        for (int slot : slots) {
            if (slot == prev) continue;
            BoxRect b = editor.BoxRectOf(slot);
            int distance = Along(b, vertical) - cur;
            if (distance >= 0 && distance < nearest) {
                nearest = distance;
                next = slot;
            }
        }
        if (next == 0) break;
        // Halves go to the even neighbour, as the running position does.
        int target = static_cast<int>(std::nearbyint(cur + step));
        if (next != last) {
            BoxRect b = editor.BoxRectOf(next);
            Along(b, vertical) = target;
            changed |= Store(editor, next, b);
        }
        prev = next;
        cur = target;
    }
    return changed;
}

} // namespace

bool RunAlignCommand(LayoutEditor& editor, AlignCommand command, int referenceSlot,
                     ScreenSize area) {
    LayoutEditor::EditScope scope(editor);
    const ScreenLayout& layout = editor.Layout();
    std::vector<int> slots = GroupSlots(layout);
    if (command == AlignCommand::SpaceHorizontal) return Space(editor, slots, false);
    if (command == AlignCommand::SpaceVertical) return Space(editor, slots, true);

    if (referenceSlot < 1 || referenceSlot > SlotsPerPage ||
        !layout.Box(layout.CurrentPage, referenceSlot).InUse())
        return false;
    const BoxRect r = editor.BoxRectOf(referenceSlot);
    bool changed = false;
    for (int slot : slots) {
        BoxRect b = editor.BoxRectOf(slot);
        switch (command) {
        case AlignCommand::AlignLeft:
            b.Left = r.Left;
            break;
        case AlignCommand::AlignRight:
            b.Left = r.Left + r.Width - b.Width;
            break;
        case AlignCommand::AlignTop:
            b.Top = r.Top;
            break;
        case AlignCommand::AlignBottom:
            b.Top = r.Top + r.Height - b.Height;
            break;
        case AlignCommand::SameWidth:
            b.Width = r.Width;
            b = FitByMoving(b, area);
            break;
        case AlignCommand::SameHeight:
            b.Height = r.Height;
            b = FitByMoving(b, area);
            break;
        default:
            break;
        }
        changed |= Store(editor, slot, b);
    }
    return changed;
}

} // namespace roamplot
