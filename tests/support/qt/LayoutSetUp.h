#pragma once
#include "ui/app/MainForm.h"

namespace roamplot {

// Tests lay out their starting state directly; the designer itself only reads the layout.
inline ScreenLayout& SetUpLayout(MainForm& form) {
    return const_cast<ScreenLayout&>(form.Layout());
}

} // namespace roamplot
