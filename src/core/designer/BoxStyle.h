#pragma once
// The look of a box apart from what it shows and where: what "Paste Style"
// carries from one box to others.
#include "core/model/ScreenLayout.h"

namespace roamplot {

// Gives `to` the fonts, colours, background styles, border and justification
// of `from`; its parameter, texts, geometry and symbol stay.
void CopyStyle(const ParameterBox& from, ParameterBox& to);

} // namespace roamplot
