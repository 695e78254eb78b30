#include "core/designer/StatusTexts.h"

namespace roamplot {

std::string PointerText(const std::optional<DevicePoint>& pointer) {
    if (!pointer) return {};
    return std::to_string(pointer->X) + ", " + std::to_string(pointer->Y);
}

StatusTexts MakeStatusTexts(const StatusFacts& facts) {
    using std::to_string;
    StatusTexts texts;
    texts.Pointer = PointerText(facts.Pointer);
    if (const auto& b = facts.SelectedBox)
        texts.SelectedBox = to_string(b->Left) + ", " + to_string(b->Top) + ", " +
                            to_string(b->Width) + " x " + to_string(b->Height);
    texts.Zoom = "zoom " + to_string(facts.Zoom) + "x";
    texts.File = facts.FileName.empty() ? "untitled" : facts.FileName;
    if (facts.Unsaved) texts.File += " (modified)";
    return texts;
}

} // namespace roamplot
