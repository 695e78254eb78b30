#include <gtest/gtest.h>

#include "core/keymap/KeyMap.h"

using namespace roamplot;

TEST(KeyMap, OnlyAssignmentsThatChangeTheMapMarkItChanged) {
    KeyMap map;
    map.OfferDefaultCaption(3, 1, "A default caption longer than that");
    EXPECT_EQ(*map.FindScreenButton(3, 1), (ScreenButton{0, "A default caption longer "}));
    EXPECT_FALSE(map.Changed);
    map.OfferDefaultCaption(5, 1, "outside");                              // no such page: nothing
    map.AssignScreenButton(3, 1, 0, "A default caption longer than this"); // the same, cut
    EXPECT_FALSE(map.Changed);
    map.AssignHardwareKey(4, 0);
    EXPECT_FALSE(map.Changed);

    map.AssignScreenButton(3, 1, 0, "Typed");
    EXPECT_TRUE(map.Changed);
    map.Changed = false;
    map.AssignHardwareKey(4, 2);
    EXPECT_TRUE(map.Changed);
}
