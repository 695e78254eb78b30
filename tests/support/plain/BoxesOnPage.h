#pragma once
// A layout holding boxes at given rectangles in slots 1 to n of page 1, for
// the editing operations' tests.
#include <initializer_list>
#include <vector>

#include "core/designer/LayoutEditor.h"

namespace roamplot::test {

struct BoxesOnPage {
    ScreenLayout layout;
    LayoutEditor editor{layout};
    int count = 0;

    BoxesOnPage(std::initializer_list<BoxRect> rects, bool multiSelected) {
        for (BoxRect r : rects) {
            ++count;
            layout.Box(1, count).PageNo = 1;
            layout.Box(1, count).Selected = multiSelected ? 1 : 0;
            editor.SetBoxRect(count, r);
        }
        layout.Modified = false;
    }
    // The rectangles of slots 1 to n, as the editor reads them.
    std::vector<BoxRect> Rects() const {
        std::vector<BoxRect> rects;
        for (int slot = 1; slot <= count; ++slot) rects.push_back(editor.BoxRectOf(slot));
        return rects;
    }
};

} // namespace roamplot::test
