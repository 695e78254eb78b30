#include "core/designer/StatusTexts.h"

namespace roamplot {

StatusTexts MakeStatusTexts(const StatusFacts& facts) {
    using std::to_string;
    StatusTexts texts;
    if (facts.Pointer)
        texts.Pointer = to_string(facts.Pointer->X) + ", " + to_string(facts.Pointer->Y);
    if (const auto& b = facts.SelectedBox)
        texts.SelectedBox = to_string(b->Left) + ", " + to_string(b->Top) + ", " +
                            to_string(b->Width) + " x " + to_string(b->Height);
    texts.Zoom = "zoom " + to_string(facts.Zoom) + "x";
    texts.File = facts.FileName.empty() ? "untitled" : facts.FileName;
    if (facts.Unsaved) texts.File += " (modified)";
    return texts;
}

} // namespace roamplot
