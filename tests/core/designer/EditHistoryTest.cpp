#include "core/designer/LayoutEditor.h"
#include "plain/CoreTest.h"

namespace {
DeviceScreen Landscape() {
    DeviceScreen screen;
    screen.Row = 0;
    return screen;
}

class History : public ::testing::Test {
  protected:
    ScreenLayout layout;
    LayoutEditor editor{layout};

    // One finished command, as the designer runs it.
    int NewBox() {
        int slot = editor.NewBox(Landscape());
        editor.FinishEdit();
        return slot;
    }
    void Retitle(int slot, const std::string& title) {
        editor.Touch("Change Title");
        layout.Box(layout.CurrentPage, slot).TitleText = title;
        editor.FinishEdit();
    }
    const std::string& Title(int slot) const {
        return layout.Box(layout.CurrentPage, slot).TitleText;
    }
};
} // namespace

TEST_F(History, UndoAndRedoRestoreTheLayoutAndTheViewAndFollowTheSavedState) {
    const ScreenLayout empty = layout;
    int slot = NewBox();
    Retitle(slot, "Speed");
    EXPECT_EQ(editor.History().UndoName(), "Change Title");
    editor.MarkSaved();
    EXPECT_FALSE(layout.Modified);

    Retitle(slot, "Speed over ground");
    EXPECT_TRUE(layout.Modified);
    auto view = editor.Undo();
    ASSERT_TRUE(view);
    // Back at the saved state.
    EXPECT_EQ(std::tuple(Title(slot), layout.Modified, view->Slot),
              std::tuple("Speed", false, slot));

    editor.Undo();
    view = editor.Undo();
    ASSERT_TRUE(view);
    EXPECT_EQ(view->Slot, NoBox) << "the box the step made no longer exists";
    EXPECT_EQ(std::tie(layout.Pages, layout.Modified), std::tuple(empty.Pages, true));
    EXPECT_FALSE(editor.Undo());
    EXPECT_EQ(editor.History().RedoName(), "New Box");

    editor.Redo();
    editor.Redo();
    EXPECT_EQ(std::tuple(Title(slot), layout.Modified), std::tuple("Speed", false));
    editor.Redo();
    EXPECT_EQ(Title(slot), "Speed over ground");
    EXPECT_FALSE(editor.Redo());
}

TEST_F(History, ABurstOfOneEditIsOneStepUntilItEnds) {
    int slot = NewBox();
    for (const char* typed : {"S", "Sp", "Spe"}) Retitle(slot, typed);
    EXPECT_EQ(editor.History().Size(), 2u);
    editor.EndBurst();
    Retitle(slot, "Sped");
    EXPECT_EQ(editor.History().Size(), 3u);

    // Another box, or another kind of edit, starts a step of its own.
    int other = NewBox();
    Retitle(other, "Alt");
    editor.Touch("Change Test Text");
    layout.Box(1, other).TestText = "99";
    editor.FinishEdit();
    EXPECT_EQ(editor.History().Size(), 6u);

    for (int i = 0; i < 3; ++i) editor.Undo();
    editor.SelectBox(slot);
    editor.Undo();
    EXPECT_EQ(Title(slot), "Spe");
    editor.Undo();
    EXPECT_EQ(Title(slot), "");
}

TEST_F(History, SelectionAndEditsThatChangeNothingMakeNoStep) {
    int slot = NewBox();
    editor.MarkSelected(slot);
    editor.Touch("Change Title");
    EXPECT_FALSE(editor.FinishEdit());
    EXPECT_FALSE(editor.FinishEdit()) << "no edit is pending";
    EXPECT_EQ(editor.History().Size(), 1u);
    // An undo does not bring back a multi-selection.
    Retitle(slot, "A");
    editor.EndBurst();
    Retitle(slot, "B");
    editor.Undo();
    EXPECT_EQ(std::tuple(Title(slot), layout.Box(1, slot).Selected), std::tuple("A", 0));
}

TEST_F(History, TheFirstTouchNamesTheStepAndItsViewBefore) {
    NewBox();
    layout.CurrentPage = 2;
    NewBox();
    editor.DeleteCurrentPage(2);
    editor.FinishEdit();
    EXPECT_EQ(editor.History().UndoName(), "Delete Page");

    layout.CurrentPage = 1;
    editor.MovePageUp(2);
    editor.FinishEdit();
    EXPECT_EQ(std::tuple(layout.CurrentPage, editor.History().UndoName()),
              std::tuple(2, "Move Page"));
    // The page moved back is shown.
    auto view = editor.Undo();
    EXPECT_EQ(std::tuple(view->Page, layout.CurrentPage, layout.Box(1, 1).PageNo),
              std::tuple(1, 1, 1));
    // The deleted page is back.
    editor.Undo();
    EXPECT_EQ(std::tuple(layout.CurrentPage, layout.Box(2, 1).InUse()), std::tuple(2, true));
}

TEST_F(History, ANewEditAfterAnUndoDropsTheRedoStepsAndALostSavedState) {
    int slot = NewBox();
    Retitle(slot, "A");
    editor.EndBurst();
    Retitle(slot, "B");
    editor.MarkSaved();
    editor.Undo();
    Retitle(slot, "C");
    EXPECT_FALSE(editor.History().CanRedo());
    editor.Undo();
    // The saved state B is no longer reachable.
    EXPECT_EQ(std::tuple(Title(slot), layout.Modified), std::tuple("A", true));
}

TEST_F(History, KeepsTheLast200StepsAndAnEmptyHistoryAfterNewOrAFailedLoad) {
    int slot = NewBox();
    for (int i = 1; i <= 250; ++i) {
        Retitle(slot, std::to_string(i));
        editor.EndBurst();
    }
    EXPECT_EQ(editor.History().Size(), MaxUndoSteps);
    while (editor.Undo()) {
    }
    EXPECT_EQ(std::tuple(Title(slot), layout.Modified), std::tuple("50", true));

    editor.NewLayout();
    EXPECT_EQ(std::tuple(editor.History().CanUndo(), editor.History().CanRedo()),
              std::tuple(false, false));

    slot = NewBox();
    editor.ResetHistory(false);
    Retitle(slot, "X");
    editor.Undo();
    EXPECT_TRUE(layout.Modified) << "a load stopped part-way matches no file";
}
