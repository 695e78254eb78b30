#pragma once
// A layout holding boxes at given rectangles in slots 1 to n of page 1, for
// the editing operations' tests.
#include <initializer_list>

#include "core/designer/LayoutEditor.h"

namespace roamplot::test {

struct BoxesOnPage {
    ScreenLayout layout;
    LayoutEditor editor{layout};

    BoxesOnPage(std::initializer_list<BoxRect> rects, bool multiSelected) {
        int slot = 0;
        for (BoxRect r : rects) {
            ++slot;
            layout.Box(1, slot).PageNo = 1;
            layout.Box(1, slot).Selected = multiSelected ? 1 : 0;
            editor.SetBoxRect(slot, r);
        }
        layout.Modified = false;
    }
};

} // namespace roamplot::test
