#pragma once
// Lining up, equalising and spacing the multi-selected boxes of the current
// page, measured against the reference box (the first one Ctrl-clicked).
#include "core/designer/LayoutEditor.h"

namespace roamplot {

enum class AlignCommand {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    SpaceHorizontal,
    SpaceVertical,
    SameWidth,
    SameHeight,
};

// Runs one command on the boxes of the current page whose Selected is 1. The
// align and same-size commands do nothing without a reference box in use on
// the page; spacing needs no reference but at least two boxes. The layout is
// marked modified only when a box changed. Returns whether one did.
bool RunAlignCommand(LayoutEditor& editor, AlignCommand command, int referenceSlot,
                     ScreenSize area);

} // namespace roamplot
