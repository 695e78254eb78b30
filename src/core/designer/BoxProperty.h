#pragma once
// The fields of a box the property panel edits, each an undo step of its own name.
#include <string>

namespace roamplot {

enum class BoxText { Title, TestText, Units, Decimals };
enum class BoxNumber {
    TitleFontSize,
    TextFontSize,
    BorderWidth,
    BorderRadius,
    ShowUnits,
    Justification, // 0 centre, 1 left, 2 right
    TitleBackStyle,
    TextBackStyle,
    ButtonStyle,
    SymbolPlacement,
};
enum class BoxColour { TitleFore, TitleBack, TextFore, TextBack, Border };

// "Change Title", "Change Border Width", ...
const char* StepName(BoxText field);
const char* StepName(BoxNumber field);
const char* StepName(BoxColour field);

} // namespace roamplot
