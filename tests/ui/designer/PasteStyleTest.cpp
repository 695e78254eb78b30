#include "qt/Typing.h"
#include "qt/UiTest.h"

using namespace roamplot;
using namespace roamplot::test;

// What is copied is PasteStyleTest's in core; here the menu, its keys and its messages.
TEST(PasteStyleCommand, CtrlShiftVGivesTheSelectedBoxTheCopiedLook) {
    DesignerFixture d;
    const int source = d.AddBox({0, 0, 60, 30});
    const int target = d.AddBox({0, 40, 80, 30});
    Settle();
    d.prompter.Shown.clear();
    d.MenuAction("aPasteStyle")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{"Copy a box first, then paste its style."});

    Select(d, source);
    d.Tab().cBorderWidth->setValue(5);
    emit d.Tab().cBorderColor->ColorSelected(0x0000ff);
    Settle();
    d.MenuAction("aCopy")->trigger();
    Select(d, target);
    Activate(*d.form);
    ClickInto(d.Tab().cParameterList);
    Press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(std::tuple(d.Box(target).BorderWidth, d.Box(target).BorderColor),
              std::tuple(5, Colour{0x0000ff}));
    EXPECT_EQ(d.RectOf(target), (BoxRect{0, 40, 80, 30}));
    EXPECT_EQ(d.Tab().cBorderWidth->value(), 5) << "the panel shows the pasted look";
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Paste Style");
    EXPECT_EQ(d.Layout().BoxCount(1), 2) << "no box pasted";
}
