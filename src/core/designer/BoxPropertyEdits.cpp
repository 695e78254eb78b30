// The property panel's edits of the box in a slot of the current page. With
// no box (slot 0) an edit only marks the layout changed.
#include "core/designer/LayoutEditor.h"

namespace roamplot {

const char* StepName(BoxText field) {
    switch (field) {
    case BoxText::Title:
        return "Change Title";
    case BoxText::TestText:
        return "Change Test Text";
    case BoxText::Units:
        return "Change Units";
    case BoxText::Decimals:
        return "Change Decimals";
    }
    return "";
}

const char* StepName(BoxNumber field) {
    switch (field) {
    case BoxNumber::TitleFontSize:
        return "Change Title Font Size";
    case BoxNumber::TextFontSize:
        return "Change Font Size";
    case BoxNumber::BorderWidth:
        return "Change Border Width";
    case BoxNumber::BorderRadius:
        return "Change Border Radius";
    case BoxNumber::ShowUnits:
        return "Change Units Display";
    case BoxNumber::Justification:
        return "Change Justification";
    case BoxNumber::TitleBackStyle:
        return "Change Title Back Style";
    case BoxNumber::TextBackStyle:
        return "Change Back Style";
    case BoxNumber::ButtonStyle:
        return "Change Button Style";
    case BoxNumber::SymbolPlacement:
        return "Change Symbol Placement";
    }
    return "";
}

const char* StepName(BoxColour field) {
    switch (field) {
    case BoxColour::TitleFore:
        return "Change Title Colour";
    case BoxColour::TitleBack:
        return "Change Title Back Colour";
    case BoxColour::TextFore:
        return "Change Text Colour";
    case BoxColour::TextBack:
        return "Change Back Colour";
    case BoxColour::Border:
        return "Change Border Colour";
    }
    return "";
}

ParameterBox* LayoutEditor::EditedBox(int slot, const char* step) {
    Touch(step);
    if (slot < 1 || slot > SlotsPerPage) return nullptr;
    return &Box(slot);
}

void LayoutEditor::SetBoxText(int slot, BoxText field, const std::string& value) {
    ParameterBox* box = EditedBox(slot, StepName(field));
    if (!box) return;
    switch (field) {
    case BoxText::Title:
        box->TitleText = value;
        break;
    case BoxText::TestText:
        box->TestText = value;
        break;
    case BoxText::Units:
        box->Units = value;
        break;
    case BoxText::Decimals:
        // The sample shows the number of decimals chosen.
        box->Decimals = value;
        box->TestText = SampleWithDecimals(box->TestText, value);
        break;
    }
}

void LayoutEditor::SetBoxNumber(int slot, BoxNumber field, int value) {
    ParameterBox* box = EditedBox(slot, StepName(field));
    if (!box) return;
    switch (field) {
    case BoxNumber::TitleFontSize:
        box->TitleFontSize = value;
        break;
    case BoxNumber::TextFontSize:
        box->TextFontSize = value;
        break;
    case BoxNumber::BorderWidth:
        box->BorderWidth = value;
        break;
    case BoxNumber::BorderRadius:
        box->BorderRadius = value;
        break;
    case BoxNumber::ShowUnits:
        box->ShowUnits = value;
        break;
    case BoxNumber::Justification: {
        static const char* const codes[] = {"C", "L", "R"};
        if (value >= 0 && value < 3) box->Justification = codes[value];
        break;
    }
    case BoxNumber::TitleBackStyle:
        box->TitleBackStyle = value;
        break;
    case BoxNumber::TextBackStyle:
        box->TextBackStyle = value;
        break;
    case BoxNumber::ButtonStyle:
        // A button style brings its own rounded grey frame.
        box->ButtonStyle = value;
        box->BorderRadius = 6;
        box->BorderColor = Grey;
        break;
    case BoxNumber::SymbolPlacement:
        box->SymbolPlacement = value;
        break;
    }
}

void LayoutEditor::SetBoxColour(int slot, BoxColour field, Colour value) {
    ParameterBox* box = EditedBox(slot, StepName(field));
    if (!box) return;
    switch (field) {
    case BoxColour::TitleFore:
        box->TitleForeColor = value;
        break;
    case BoxColour::TitleBack:
        box->TitleBackColor = value;
        break;
    case BoxColour::TextFore:
        box->TextForeColor = value;
        break;
    case BoxColour::TextBack:
        box->TextBackColor = value;
        break;
    case BoxColour::Border:
        box->BorderColor = value;
        break;
    }
}

void LayoutEditor::SetBoxSymbol(int slot, SharedDib picture, std::filesystem::path file,
                                int placement) {
    ParameterBox* box = EditedBox(slot, "Change Symbol");
    if (!box) return;
    box->Symbol = std::move(picture);
    box->SymbolFile = std::move(file);
    box->SymbolPlacement = placement;
}

} // namespace roamplot
