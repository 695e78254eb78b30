#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <set>

#include "qt/UiTest.h"
#include "ui/designer/ImportPagesDialog.h"
#include "ui/designer/ScaleScreenDialog.h"

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

// The commands of the layout, in an order each can follow, with the undo step each makes
// (none: no edit) and whether it is sure to draw the page once.
struct Command {
    const char* step;
    std::function<void()> run;
    bool composesOnce = false;
};
std::vector<Command> LayoutCommands(DesignerFixture& d) {
    return {
        {"New Box", [&] { Click(d.Tab().bNew); }},
        {"Choose Parameter", [&] { Choose(d, 1); }},
        {"Change Title", [&] { QTest::keyClicks(d.Tab().cTitleText, "Spd"); }},
        {"Change Border Width", [&] { d.Tab().cBorderWidth->setValue(3); }, true},
        // Leaving automatic font sizing by a step.
        {"Change Font Size", [&] { d.Tab().cParFontSize->stepUp(); }, true},
        {"Change Title Colour", [&] { emit d.Tab().cTitleForeColor->ColorSelected(Black); }},
        {"Move Box",
         [&] {
             d.DragBox(1, {8, 4});
         }},
        {"Resize Box",
         [&] {
             d.DragHandle(4, {5, 5});
         },
         true},
        {"Move Box",
         [&] {
             QTest::mousePress(d.Tab().Adjust->AdjustRight, Qt::LeftButton);
             Tick(d.form->Adjuster()->Timer1());
             QTest::mouseRelease(d.Tab().Adjust->AdjustRight, Qt::LeftButton);
         },
         true},
        {"Move Box", [&] { QTest::keyClick(ClickIntoPreview(d), Qt::Key_Up); }},
        {"Move Box",
         [&] {
             d.Tab().Adjust->BoxLeft->clear();
             QTest::keyClicks(d.Tab().Adjust->BoxLeft, "30");
             Tick(d.form->Adjuster()->Timer2());
         }},
        {"New Box", [&] { Click(d.Tab().bNew); }, true},
        {"Choose Parameter", [&] { Choose(d, 1000); }},
        {"Change Symbol",
         [&] {
             d.prompter.FileAnswers = {QString(TEST_DATA_DIR) + "/im-picture.bmp"};
             Click(d.Tab().cAddButtonSymbol);
         }},
        {nullptr, [&] { d.Designer().PreviewBoxPressed(1, true); }, true},
        {nullptr, [&] { d.Designer().PreviewBoxPressed(2, true); }, true},
        {"Align Boxes", [&] { d.form->Adjuster()->AlignCommandClick(AlignCommand::AlignLeft); },
         true},
        {"Paste",
         [&] {
             d.MenuAction("aCopy")->trigger();
             d.MenuAction("aPaste")->trigger();
         },
         true},
        {"Paste Style", [&] { d.MenuAction("aPasteStyle")->trigger(); }},
        {"Reorder Boxes", [&] { Click(d.Tab().bUP); }, true},
        {"Rename Page", [&] { QTest::keyClicks(d.Tab().cPageName, "Harbour"); }},
        {"Move Page", [&] { d.MenuAction("aMovePageUp")->trigger(); }, true},
        {"New Box",
         [&] {
             d.MenuAction("aPreviousPage")->trigger();
             Click(d.Tab().bNew);
         }},
        {"Delete Box", [&] { Click(d.Tab().Delete1); }, true},
        {"New Box", [&] { d.MenuAction("aNewBox")->trigger(); }, true},
        {"Clear Page", [&] { d.MenuAction("aClearPage")->trigger(); }, true},
        {"Scale Layout To Screen",
         [&] {
             d.prompter.DialogAnswers.push_back([](QDialog& dialog) {
                 auto& scale = dynamic_cast<ScaleScreenDialog&>(dialog);
                 scale.rTargetScreen[5]->click();
                 scale.bScale->click();
             });
             d.MenuAction("aScaleLayoutToScreen")->trigger();
         },
         true},
        {"Duplicate Page",
         [&] {
             d.MenuAction("aPreviousPage")->trigger();
             d.MenuAction("aDuplicatePage")->trigger();
         }},
        {"Import Pages",
         [&] {
             d.prompter.FileAnswers = {Q(TestData("writer_symbols.par1"))};
             d.prompter.DialogAnswers.push_back([](QDialog& dialog) {
                 dynamic_cast<ImportPagesDialog&>(dialog).bImport->click();
             });
             d.MenuAction("aImportPages")->trigger();
         },
         true},
        {"New Box",
         [&] {
             d.MenuAction("aNextPage")->trigger();
             d.MenuAction("aNextPage")->trigger();
             Click(d.Tab().bNew);
         }},
        {"Delete Page", [&] { d.MenuAction("aDeletePage")->trigger(); }},
    };
}
} // namespace

TEST(Undo, EveryKindOfEditUndoesToTheStartAndRedoesToTheEnd) {
    DesignerFixture d;
    const std::array<Page, MaxPages> start = d.Layout().Pages;
    std::set<std::string> expectedSteps;
    int edits = 0;
    for (const Command& command : LayoutCommands(d)) {
        SCOPED_TRACE(command.step ? command.step : "no step");
        command.run();
        Settle();
        EXPECT_TRUE(d.Layout().Modified);
        if (command.step) expectedSteps.insert(command.step), ++edits;
    }
    ASSERT_EQ(d.form->Screen().Row, 5);
    ASSERT_TRUE(d.prompter.Of("error").isEmpty()) << d.prompter.Shown.join("\n").toStdString();
    const std::array<Page, MaxPages> end = d.Layout().Pages;
    ASSERT_EQ(d.Layout().BoxCount(1), 4) << "the moved page with its pasted boxes";

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
    EXPECT_EQ(steps, expectedSteps);
    EXPECT_EQ(count, edits) << "one step per command";

    while (d.MenuAction("aRedo")->isEnabled()) {
        d.MenuAction("aRedo")->trigger();
        EXPECT_TRUE(d.Layout().Modified);
    }
    ExpectSameContent(d.Layout().Pages, end, "redone");
    EXPECT_EQ(d.form->Screen().Row, 5);
}

// Every command draws the page once, from the one notification of its edit,
// however many boxes and rules it sets going.
TEST(Undo, EveryCommandOfTheLayoutAndItsUndoDrawThePageOnce) {
    DesignerFixture d;
    d.form->show();
    d.Preview().show();
    auto once = [&](const std::function<void()>& run) {
        QCoreApplication::processEvents();
        const int before = d.Preview().CompositionCount();
        run();
        QCoreApplication::processEvents();
        EXPECT_EQ(d.Preview().CompositionCount(), before + 1);
    };
    for (const Command& command : LayoutCommands(d)) {
        SCOPED_TRACE(command.step ? command.step : "a mark of the group");
        if (command.composesOnce)
            once(command.run);
        else
            command.run();
    }
    while (d.MenuAction("aUndo")->isEnabled()) once([&] { d.MenuAction("aUndo")->trigger(); });
    while (d.MenuAction("aRedo")->isEnabled()) once([&] { d.MenuAction("aRedo")->trigger(); });
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

    QWidget* preview = ClickIntoPreview(d);
    for (int i = 0; i < 4; ++i) {
        QTest::keyPress(preview, Qt::Key_Down);
        Settle();
    }
    QTest::keyRelease(preview, Qt::Key_Down);
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
