#include <gtest/gtest.h>

#include "core/keymap/KeyMapHistory.h"

using namespace roamplot;

TEST(KeyMapHistory, UndoesAssignmentsAndCaptionBurstsAndFollowsTheSavedState) {
    KeyMap map;
    KeyMapHistory history;
    history.Reset(map);

    map.AssignHardwareKey(2, 7);
    EXPECT_TRUE(history.Record(map, "Assign Key", 2));
    history.MarkSaved();
    map.Changed = false;
    for (const char* typed : {"Z", "Zo", "Zoom"}) {
        map.AssignScreenButton(1, 3, 4, typed);
        history.Record(map, "Change Screen Button", 17);
    }
    EXPECT_EQ(history.UndoName(), "Change Screen Button");

    EXPECT_EQ(history.Undo(map), 17);
    EXPECT_EQ(map.FindScreenButton(1, 3)->Caption, "") << "the typing was one step";
    EXPECT_FALSE(map.Changed) << "back at the saved file";
    EXPECT_EQ(history.Undo(map), 2);
    EXPECT_EQ(map.HardwareKeys[2], 0);
    EXPECT_TRUE(map.Changed);
    EXPECT_FALSE(history.Undo(map));

    history.Redo(map);
    history.Redo(map);
    EXPECT_EQ(map.FindScreenButton(1, 3)->Caption, "Zoom");
    EXPECT_TRUE(map.Changed);
}

TEST(KeyMapHistory, AnOfferedCaptionAndANoChangeAreNoStep) {
    KeyMap map;
    KeyMapHistory history;
    history.Reset(map);
    map.OfferDefaultCaption(2, 1, "Menu");
    history.Absorb(map);
    EXPECT_FALSE(history.Record(map, "Change Screen Button", 24));
    map.AssignHardwareKey(0, 3);
    history.Record(map, "Assign Key", 0);
    history.EndBurst();
    map.AssignHardwareKey(0, 5);
    history.Record(map, "Assign Key", 0);
    history.Undo(map);
    EXPECT_EQ(map.HardwareKeys[0], 3) << "a burst ended between the two choices";
    EXPECT_EQ(map.FindScreenButton(2, 1)->Caption, "Menu");
}
