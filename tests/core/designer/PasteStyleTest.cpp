#include <gtest/gtest.h>

#include "core/designer/LayoutEditor.h"

using namespace roamplot;

namespace {

struct Styled {
    ScreenLayout layout;
    LayoutEditor editor{layout};

    Styled() {
        for (int slot = 1; slot <= 4; ++slot) {
            ParameterBox& box = layout.Box(1, slot);
            box.PageNo = 1;
            box.Kind = BoxKind::SingleParameter;
            box.ParameterId = "01" + std::to_string(slot);
            box.TitleText = "Title " + std::to_string(slot);
            box.TestText = "12.5";
            box.Left = 10 * slot;
            box.Width = 20 + slot;
            box.Units = "kph";
        }
        ParameterBox& source = layout.Box(1, 1);
        source.TitleFontSize = 11;
        source.TitleForeColor = 0x0000ff;
        source.TitleBackColor = 0x00ff00;
        source.TitleBackStyle = 1;
        source.TextFontSize = 14;
        source.TextForeColor = 0x123456;
        source.TextBackColor = 0x654321;
        source.TextBackStyle = 3;
        source.BorderColor = 0xabcdef;
        source.BorderWidth = 4;
        source.BorderRadius = 6;
        source.Justification = "R";
        editor.ResetHistory();
    }
    BoxClipboard CopyOfFirst() { return editor.Copy(1); }
};

void ExpectStyleOfFirst(const ParameterBox& box, const ParameterBox& first) {
    EXPECT_EQ(std::tuple(box.TitleFontSize, box.TitleForeColor, box.TitleBackColor,
                         box.TitleBackStyle, box.TextFontSize, box.TextForeColor),
              std::tuple(first.TitleFontSize, first.TitleForeColor, first.TitleBackColor,
                         first.TitleBackStyle, first.TextFontSize, first.TextForeColor));
    EXPECT_EQ(std::tuple(box.TextBackColor, box.TextBackStyle, box.BorderColor, box.BorderWidth,
                         box.BorderRadius, box.Justification),
              std::tuple(first.TextBackColor, first.TextBackStyle, first.BorderColor,
                         first.BorderWidth, first.BorderRadius, first.Justification));
}

} // namespace

TEST(PasteStyle, GivesTheSelectedBoxTheLookAndKeepsWhatItShowsAndWhere) {
    Styled s;
    const ParameterBox before = s.layout.Box(1, 3);
    const BoxClipboard clipboard = s.CopyOfFirst();
    EXPECT_EQ(s.editor.PasteStyle(clipboard, 3), PasteStyleResult::Pasted);
    const ParameterBox& box = s.layout.Box(1, 3);
    ExpectStyleOfFirst(box, s.layout.Box(1, 1));
    EXPECT_EQ(std::tuple(box.ParameterId, box.TitleText, box.TestText, box.Units, box.Left,
                         box.Width, box.PageNo),
              std::tuple(before.ParameterId, before.TitleText, before.TestText, before.Units,
                         before.Left, before.Width, before.PageNo));
    EXPECT_EQ(s.layout.Box(1, 2).BorderWidth, 1) << "only the selected box";
    EXPECT_TRUE(s.editor.FinishEdit());
    EXPECT_EQ(s.editor.History().UndoName(), "Paste Style");
    s.editor.Undo();
    EXPECT_TRUE(s.layout.Box(1, 3) == before);
}

TEST(PasteStyle, GoesToEveryMarkedBoxInOneStep) {
    Styled s;
    const BoxClipboard clipboard = s.CopyOfFirst();
    s.editor.MarkSelected(2);
    s.editor.MarkSelected(4);
    EXPECT_EQ(s.editor.PasteStyle(clipboard, 3), PasteStyleResult::Pasted);
    ExpectStyleOfFirst(s.layout.Box(1, 2), s.layout.Box(1, 1));
    ExpectStyleOfFirst(s.layout.Box(1, 4), s.layout.Box(1, 1));
    EXPECT_EQ(s.layout.Box(1, 3).BorderWidth, 1) << "the marks win over the selected box";
    s.editor.FinishEdit();
    EXPECT_EQ(s.editor.History().Size(), 1u);
    s.editor.Undo();
    EXPECT_EQ(s.layout.Box(1, 2).BorderWidth, 1);
    EXPECT_EQ(s.layout.Box(1, 4).BorderWidth, 1);
}

TEST(PasteStyle, TheFirstCopiedBoxGivesTheStyleNothingHappensWithoutABoxOrAClipboard) {
    Styled s;
    s.layout.Box(1, 2).BorderWidth = 9;
    s.editor.MarkSelected(2);
    s.editor.MarkSelected(1);
    const BoxClipboard two = s.editor.Copy(0); // boxes 1 and 2: slot 1 comes first
    s.editor.ClearSelection();
    s.editor.PasteStyle(two, 4);
    EXPECT_EQ(s.layout.Box(1, 4).BorderWidth, 4);

    EXPECT_EQ(s.editor.PasteStyle(BoxClipboard{}, 3), PasteStyleResult::ClipboardEmpty);
    EXPECT_EQ(s.editor.PasteStyle(two, 0), PasteStyleResult::NoBox);
    EXPECT_EQ(s.editor.PasteStyle(two, 7), PasteStyleResult::NoBox) << "a free slot";
    EXPECT_EQ(s.layout.Box(1, 3).BorderWidth, 1);
}
