#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "qt/UiTest.h"
#include "ui/designer/ImportPagesDialog.h"
#include "ui/designer/ScaleScreenDialog.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
// Field by field, naming the first box that differs; selection marks are view state.
void ExpectSameContent(const std::array<Page, MaxPages>& actual,
                       const std::array<Page, MaxPages>& expected, const char* when) {
    for (int p = 0; p < MaxPages; ++p) {
        EXPECT_EQ(actual[p].PageName, expected[p].PageName) << when << ", page " << p + 1;
        for (int s = 0; s < SlotsPerPage; ++s) {
            ParameterBox a = actual[p].Boxes[s], e = expected[p].Boxes[s];
            a.Selected = e.Selected = 0;
            EXPECT_TRUE(a == e) << when << ", page " << p + 1 << ", slot " << s + 1 << ": "
                                << a.Kind << " " << a.Left << "," << a.Top << " vs " << e.Kind
                                << " " << e.Left << "," << e.Top;
        }
    }
}
} // namespace

TEST(Undo, EveryKindOfEditUndoesToTheStartAndRedoesToTheEnd) {
    DesignerFixture d;
    const std::array<Page, MaxPages> start = d.Layout().Pages;
    AdjustPanel& adjust = *d.Tab().Adjust;
    BoxAdjuster& adjuster = *d.form->Adjuster();
    auto run = [&](auto&& edit) {
        edit();
        Settle();
        EXPECT_TRUE(d.Layout().Modified);
    };

    run([&] { Click(d.Tab().bNew); });
    run([&] { Choose(d, 1); });
    run([&] { QTest::keyClicks(d.Tab().cTitleText, "Spd"); });
    run([&] { d.Tab().cBorderWidth->setValue(3); });
    run([&] { emit d.Tab().cTitleForeColor->ColorSelected(Black); });
    run([&] { d.DragBox(1, {8, 4}); });
    run([&] { d.DragHandle(4, {5, 5}); });
    run([&] {
        QTest::mousePress(adjust.AdjustRight, Qt::LeftButton);
        for (int i = 0; i < 3; ++i) Tick(adjuster.Timer1());
        QTest::mouseRelease(adjust.AdjustRight, Qt::LeftButton);
    });
    run([&] {
        Activate(d.Preview());
        QTest::keyClick(d.Preview().windowHandle(), Qt::Key_Up);
    });
    run([&] {
        adjust.BoxLeft->clear();
        QTest::keyClicks(adjust.BoxLeft, "30");
        Tick(adjuster.Timer2());
    });
    run([&] { Click(d.Tab().bNew); });
    run([&] { Choose(d, 1000); });
    run([&] {
        d.prompter.FileAnswers = {QString(TEST_DATA_DIR) + "/im-picture.bmp"};
        Click(d.Tab().cAddButtonSymbol);
    });
    run([&] {
        d.Designer().PreviewBoxPressed(1, true);
        d.Designer().PreviewBoxPressed(2, true);
        adjuster.AlignCommandClick(AlignCommand::AlignLeft);
    });
    run([&] {
        d.MenuAction("aCopy")->trigger();
        d.MenuAction("aPaste")->trigger();
    });
    run([&] { d.MenuAction("aPasteStyle")->trigger(); });
    run([&] { Click(d.Tab().bUP); });
    run([&] { QTest::keyClicks(d.Tab().cPageName, "Harbour"); });
    run([&] { d.MenuAction("aMovePageUp")->trigger(); });
    run([&] {
        d.MenuAction("aPreviousPage")->trigger();
        QTest::mouseClick(d.Tab().bNew, Qt::LeftButton);
    });
    run([&] { d.MenuAction("aDeleteBox")->trigger(); });
    run([&] { QTest::mouseClick(d.Tab().bNew, Qt::LeftButton); });
    run([&] { d.MenuAction("aClearPage")->trigger(); });
    run([&] {
        d.MenuAction("aNextPage")->trigger();
        d.MenuAction("aNextPage")->trigger();
        QTest::mouseClick(d.Tab().bNew, Qt::LeftButton);
    });
    run([&] { d.MenuAction("aDeletePage")->trigger(); });
    run([&] {
        d.MenuAction("aPreviousPage")->trigger();
        d.MenuAction("aDuplicatePage")->trigger();
    });
    run([&] {
        d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
        d.prompter.DialogAnswers.push_back(
            [](QDialog& dialog) { dynamic_cast<ImportPagesDialog&>(dialog).bImport->click(); });
        d.MenuAction("aImportPages")->trigger();
    });
    run([&] {
        d.prompter.DialogAnswers.push_back([](QDialog& dialog) {
            auto& scale = dynamic_cast<ScaleScreenDialog&>(dialog);
            scale.rTargetScreen[5]->click();
            scale.bScale->click();
        });
        d.MenuAction("aScaleLayoutToScreen")->trigger();
    });
    ASSERT_EQ(d.form->Screen().Row, 5);
    ASSERT_TRUE(d.prompter.Of("error").isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    const std::array<Page, MaxPages> end = d.Layout().Pages;
    ASSERT_EQ(d.Layout().BoxCount(2), 4) << "the moved page with its pasted boxes";
    ASSERT_EQ(d.Layout().BoxCount(3), 4) << "its copy";
    ASSERT_EQ(d.Layout().BoxCount(5), 3) << "the second page imported";

    std::set<std::string> steps;
    int count = 0;
    while (d.MenuAction("aUndo")->isEnabled()) {
        steps.insert(d.Designer().Editor().History().UndoName());
        EXPECT_TRUE(d.Layout().Modified) << "before undoing " << *steps.rbegin();
        d.MenuAction("aUndo")->trigger();
        ++count;
    }
    EXPECT_FALSE(d.Layout().Modified);
    ExpectSameContent(d.Layout().Pages, start, "undone");
    EXPECT_EQ(d.form->Screen().Row, 0) << "the screen the layout was scaled from";
    EXPECT_EQ(steps, (std::set<std::string>{"New Box",
                                            "Choose Parameter",
                                            "Change Title",
                                            "Change Border Width",
                                            "Change Title Colour",
                                            "Move Box",
                                            "Resize Box",
                                            "Change Symbol",
                                            "Align Boxes",
                                            "Paste",
                                            "Reorder Boxes",
                                            "Rename Page",
                                            "Move Page",
                                            "Delete Box",
                                            "Clear Page",
                                            "Delete Page",
                                            "Paste Style",
                                            "Duplicate Page",
                                            "Import Pages",
                                            "Scale Layout To Screen"}));
    EXPECT_EQ(count, 28) << "one step per command";

    while (d.MenuAction("aRedo")->isEnabled()) {
        d.MenuAction("aRedo")->trigger();
        EXPECT_TRUE(d.Layout().Modified);
    }
    ExpectSameContent(d.Layout().Pages, end, "redone");
    EXPECT_EQ(d.form->Screen().Row, 5);
}

TEST(Undo, AHeldNudgeButtonOrArrowKeyIsOneStep) {
    DesignerFixture d;
    const int slot = d.AddBox({50, 60, 20, 10});
    Settle();
    BoxAdjuster& adjuster = *d.form->Adjuster();
    QTest::mousePress(d.Tab().Adjust->AdjustRight, Qt::LeftButton);
    for (int i = 0; i < 5; ++i) {
        Tick(adjuster.Timer1());
        Settle();
    }
    QTest::mouseRelease(d.Tab().Adjust->AdjustRight, Qt::LeftButton);

    Activate(d.Preview());
    for (int i = 0; i < 4; ++i) {
        QTest::keyPress(d.Preview().windowHandle(), Qt::Key_Down);
        Settle();
    }
    QTest::keyRelease(d.Preview().windowHandle(), Qt::Key_Down);
    EXPECT_EQ(d.RectOf(slot), (BoxRect{55, 64, 20, 10}));
    EXPECT_EQ(d.Designer().Editor().History().Size(), 3u);
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.RectOf(slot), (BoxRect{55, 60, 20, 10}));
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.RectOf(slot), (BoxRect{50, 60, 20, 10}));
}

TEST(Undo, EachCommandIsOneStepAndTheViewFollowsWhatChanged) {
    DesignerFixture d;
    QTest::mouseClick(d.Tab().bNew, Qt::LeftButton);
    Settle();
    const int slot = d.Designer().GetControl();
    const std::string untitled = d.Box(slot).TitleText;
    for (char typed : std::string("Spd")) {
        QTest::keyClick(d.Tab().cTitleText, typed);
        Settle();
    }
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Change Title");
    d.DragBox(slot, {6, 0});
    Settle();
    const BoxRect once = d.RectOf(slot);
    d.DragBox(slot, {6, 0});
    Settle();
    d.MenuAction("aDeleteBox")->trigger();
    d.MenuAction("aNextPage")->trigger();
    ASSERT_EQ(d.Layout().CurrentPage, 2);

    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.Layout().CurrentPage, 1) << "the undone step's page is shown";
    ASSERT_EQ(d.Layout().BoxCount(1), 1);
    EXPECT_EQ(d.Designer().GetControl(), slot);
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.RectOf(slot), once) << "each drag is a step";
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Change Title");
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.Box(slot).TitleText, untitled) << "the typing was one step";
    EXPECT_EQ(d.Tab().cTitleText->text().toStdString(), untitled);
    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.Layout().BoxCount(1), 0);
    EXPECT_FALSE(d.Layout().Modified) << "back where the session started";
    EXPECT_FALSE(ShownTitle(*d.form).endsWith("*"));
    EXPECT_FALSE(d.MenuAction("aUndo")->isEnabled());
    EXPECT_EQ(d.MenuAction("aRedo")->text(), "&Redo New Box");
}

TEST(Undo, TheKeyTabUndoesItsOwnEditsOnly) {
    DesignerFixture d;
    d.AddBox({0, 0, 40, 20});
    Settle();
    d.form->Tabs()->setCurrentIndex(MainForm::KeyTabIndex);
    KeyMapTab& keys = *d.form->KeyMapPage();
    keys.lHardware->setCurrentItem(keys.lHardware->topLevelItem(0));
    keys.cHardwareCommand->setCurrentIndex(3);
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo Assign Key");
    EXPECT_TRUE(ShownTitle(*d.form).endsWith("*"));

    d.MenuAction("aUndo")->trigger();
    EXPECT_EQ(d.form->Keys().HardwareKeys[0], 0);
    EXPECT_FALSE(d.form->Keys().Changed);
    EXPECT_FALSE(ShownTitle(*d.form).endsWith("*"));
    EXPECT_EQ(d.Layout().BoxCount(1), 1);
    EXPECT_FALSE(d.MenuAction("aUndo")->isEnabled());

    d.form->Tabs()->setCurrentIndex(MainForm::PageDesignerTabIndex);
    EXPECT_EQ(d.MenuAction("aUndo")->text(), "&Undo New Box");
}
