#include <QLineEdit>
#include <QRadioButton>

#include "core/designer/LayoutScaling.h"
#include "qt/Typing.h"
#include "qt/UiTest.h"
#include "ui/designer/ScaleScreenDialog.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// The next "Scale Layout To Screen" dialog as a user answers it: a click on a
// screen's option, for the custom screen the size typed into its fields, a
// click on "Scale".
void AnswerScale(DesignerFixture& d, int row, const QString& width = {},
                 const QString& height = {}) {
    d.prompter.DialogAnswers.push_back([row, width, height](QDialog& dialog) {
        auto& scale = dynamic_cast<ScaleScreenDialog&>(dialog);
        Activate(scale);
        QTest::mouseClick(scale.rTargetScreen[static_cast<std::size_t>(row)], Qt::LeftButton, {},
                          {4, 4});
        for (auto [field, text] :
             {std::pair{scale.eTargetWidth, width}, {scale.eTargetHeight, height}}) {
            if (text.isEmpty()) continue;
            ClickInto(field);
            EraseField(field);
            Type(text);
        }
        Click(scale.bScale);
    });
}

} // namespace

TEST(ScaleLayout, ScalesEveryPageSwitchesTheScreenAndUndoesAsOneStep) {
    DesignerFixture d;
    ASSERT_EQ(d.form->Screen().Row, 0);
    d.AddBox({0, 0, 120, 100});
    d.AddBox({120, 0, 120, 100});
    d.MenuAction("aNextPage")->trigger();
    d.AddBox({0, 200, 240, 81});
    d.MenuAction("aPreviousPage")->trigger();
    Settle();

    AnswerScale(d, CustomDeviceRow, "800", "480");
    d.prompter.Shown.clear();
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    Settle();
    EXPECT_EQ(d.prompter.Of("confirm"),
              QStringList{"Scale every box of every page from 240 x 320 to 800 x 480? Symbols "
                          "and background pictures keep their size."});
    EXPECT_EQ(d.form->Screen().Size(), (ScreenSize{800, 480}));
    EXPECT_TRUE(d.form->Configuration()->rDeviceScreen[CustomDeviceRow]->isChecked());
    EXPECT_EQ(d.form->Configuration()->ScreenWidthText(), "800");
    EXPECT_EQ(d.Layout().DeviceTypeCode, "Custom");
    EXPECT_EQ(d.RectOf(1), (BoxRect{0, 0, 400, 157}));
    EXPECT_EQ(d.RectOf(2), (BoxRect{400, 0, 400, 157}));
    EXPECT_EQ(d.Layout().Box(2, 1).Top + d.Layout().Box(2, 1).Height, 441);
    EXPECT_EQ(d.Preview().DrawArea()->width(), 800 * d.Preview().Zoom());
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Scale Layout To Screen");

    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.form->Screen().Row, 0);
    EXPECT_TRUE(d.form->Configuration()->rDeviceScreen[0]->isChecked());
    EXPECT_EQ(d.Layout().DeviceTypeCode, "PPC");
    EXPECT_EQ(d.RectOf(2), (BoxRect{120, 0, 120, 100}));
    d.MenuAction("aRedo")->trigger();
    EXPECT_EQ(d.form->Screen().Size(), (ScreenSize{800, 480}));
    EXPECT_EQ(d.RectOf(2), (BoxRect{400, 0, 400, 157}));
    EXPECT_TRUE(d.prompter.Of("message").isEmpty()) << d.prompter.Shown.join("\n").toStdString();
}

TEST(ScaleLayout, ARefusedSizeOrACancelChangesNothing) {
    DesignerFixture d;
    d.AddBox({10, 10, 60, 30});
    Settle();
    AnswerScale(d, CustomDeviceRow, "40", "480"); // refused: stays open, then closed
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    EXPECT_EQ(d.prompter.Of("message"), QStringList{UnscalableScreenMessage});
    d.prompter.ConfirmAnswers = {false};
    AnswerScale(d, 5);
    d.MenuAction("aScaleLayoutToScreen")->trigger();
    Settle();
    EXPECT_EQ(d.form->Screen().Row, 0);
    EXPECT_EQ(d.RectOf(1), (BoxRect{10, 10, 60, 30}));
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo New Box");
}
