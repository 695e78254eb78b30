// LayoutEditor continued from LayoutEditor.cpp: the property panel's edits of
// the box in a slot of the current page. With no box (NoBox) an edit only marks
// the layout changed.
#include "core/designer/LayoutEditor.h"

namespace roamplot {

// In the order of the enumerations.
const char* StepName(BoxText field) {
    static constexpr const char* names[] = {"Change Title", "Change Test Text", "Change Units",
                                            "Change Decimals"};
    return names[static_cast<int>(field)];
}

const char* StepName(BoxNumber field) {
    static constexpr const char* names[] = {"Change Title Font Size",  "Change Font Size",
                                            "Change Border Width",     "Change Border Radius",
                                            "Change Units Display",    "Change Justification",
                                            "Change Title Back Style", "Change Back Style",
                                            "Change Button Style",     "Change Symbol Placement"};
    return names[static_cast<int>(field)];
}

const char* StepName(BoxColour field) {
    static constexpr const char* names[] = {"Change Title Colour", "Change Title Back Colour",
                                            "Change Text Colour", "Change Back Colour",
                                            "Change Border Colour"};
    return names[static_cast<int>(field)];
}

ParameterBox* LayoutEditor::EditedBox(int slot, const char* step) {
    Touch(step);
    if (slot < 1 || slot > SlotsPerPage) return nullptr;
    return &Box(slot);
}

void LayoutEditor::SetBoxText(int slot, BoxText field, const std::string& value) {
    EditScope scope(*this);
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
    EditScope scope(*this);
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
    EditScope scope(*this);
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
    EditScope scope(*this);
    ParameterBox* box = EditedBox(slot, "Change Symbol");
    if (!box) return;
    box->Symbol = std::move(picture);
    box->SymbolFile = std::move(file);
    box->SymbolPlacement = placement;
}

} // namespace roamplot
