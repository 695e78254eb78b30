#include <gtest/gtest.h>

#include "core/designer/LayoutEditor.h"

using namespace roamplot;

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
    EXPECT_EQ(Title(slot), "Speed");
    EXPECT_FALSE(layout.Modified) << "back at the saved state";
    EXPECT_EQ(view->Slot, slot);

    editor.Undo();
    view = editor.Undo();
    ASSERT_TRUE(view);
    EXPECT_EQ(view->Slot, 0) << "the box the step made no longer exists";
    EXPECT_EQ(layout.Pages, empty.Pages);
    EXPECT_TRUE(layout.Modified);
    EXPECT_FALSE(editor.Undo());
    EXPECT_EQ(editor.History().RedoName(), "New Box");

    editor.Redo();
    editor.Redo();
    EXPECT_EQ(Title(slot), "Speed");
    EXPECT_FALSE(layout.Modified);
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

    editor.Undo();
    editor.Undo();
    editor.Undo();
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
    EXPECT_EQ(Title(slot), "A");
    EXPECT_EQ(layout.Box(1, slot).Selected, 0);
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
    EXPECT_EQ(layout.CurrentPage, 2);
    EXPECT_EQ(editor.History().UndoName(), "Move Page");
    auto view = editor.Undo();
    EXPECT_EQ(view->Page, 1);
    EXPECT_EQ(layout.CurrentPage, 1) << "the page moved back is shown";
    EXPECT_TRUE(layout.Box(1, 1).InUse());
    EXPECT_EQ(layout.Box(1, 1).PageNo, 1);

    editor.Undo();
    EXPECT_EQ(layout.CurrentPage, 2);
    EXPECT_TRUE(layout.Box(2, 1).InUse()) << "the deleted page is back";
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
    EXPECT_EQ(Title(slot), "A");
    EXPECT_TRUE(layout.Modified) << "the saved state B is no longer reachable";
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
    EXPECT_EQ(Title(slot), "50");
    EXPECT_TRUE(layout.Modified);

    editor.NewLayout();
    EXPECT_FALSE(editor.History().CanUndo());
    EXPECT_FALSE(editor.History().CanRedo());

    slot = NewBox();
    editor.ResetHistory(false);
    Retitle(slot, "X");
    editor.Undo();
    EXPECT_TRUE(layout.Modified) << "a load stopped part-way matches no file";
}
