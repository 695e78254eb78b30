#include <gtest/gtest.h>

#include "core/designer/NudgeSteps.h"
#include "plain/BoxesOnPage.h"

using namespace roamplot;

namespace {
constexpr ScreenSize Area{240, 281};

// A layout with boxes at the given rectangles on page 1, slots 1 to n.
struct Page1 : test::BoxesOnPage {
    explicit Page1(std::initializer_list<BoxRect> rects) : BoxesOnPage(rects, false) {}
    BoxRect After(NudgeStep step, int s = 5, int slot = 1) {
        Nudge(editor, slot, step, s, Area, false);
        return editor.BoxRectOf(slot);
    }
};

BoxRect Stepped(BoxRect start, NudgeStep step, int s = 5) {
    return Page1{start}.After(step, s);
}
} // namespace

TEST(NudgeMove, StepsOrStopsFlushAgainstTheEdge) {
    EXPECT_EQ(Stepped({50, 60, 20, 10}, NudgeStep::Left), (BoxRect{45, 60, 20, 10}));
    EXPECT_EQ(Stepped({3, 60, 20, 10}, NudgeStep::Left), (BoxRect{0, 60, 20, 10}));
    EXPECT_EQ(Stepped({50, 60, 20, 10}, NudgeStep::Right), (BoxRect{55, 60, 20, 10}));
    EXPECT_EQ(Stepped({218, 60, 20, 10}, NudgeStep::Right), (BoxRect{220, 60, 20, 10}));
    EXPECT_EQ(Stepped({50, 4, 20, 10}, NudgeStep::Up), (BoxRect{50, 0, 20, 10}));
    EXPECT_EQ(Stepped({50, 60, 20, 10}, NudgeStep::Down), (BoxRect{50, 65, 20, 10}));
    EXPECT_EQ(Stepped({50, 268, 20, 10}, NudgeStep::Down), (BoxRect{50, 271, 20, 10}));
}

TEST(NudgeResize, EachEdgeMovesOnlyWhileItsConditionHolds) {
    BoxRect b{50, 60, 20, 10};
    EXPECT_EQ(Stepped(b, NudgeStep::TopOut), (BoxRect{50, 55, 20, 15}));
    EXPECT_EQ(Stepped(b, NudgeStep::BottomOut), (BoxRect{50, 60, 20, 15}));
    EXPECT_EQ(Stepped(b, NudgeStep::LeftOut), (BoxRect{45, 60, 25, 10}));
    EXPECT_EQ(Stepped(b, NudgeStep::RightOut), (BoxRect{50, 60, 25, 10}));
    EXPECT_EQ(Stepped(b, NudgeStep::TopIn), (BoxRect{50, 65, 20, 5}));
    EXPECT_EQ(Stepped(b, NudgeStep::BottomIn), (BoxRect{50, 60, 20, 5}));
    EXPECT_EQ(Stepped(b, NudgeStep::LeftIn), (BoxRect{55, 60, 15, 10}));
    EXPECT_EQ(Stepped(b, NudgeStep::RightIn), (BoxRect{50, 60, 15, 10}));

    // A box 3 high cannot lose 5 rows; one 5 wide cannot lose 5 columns.
    EXPECT_EQ(Stepped({50, 60, 20, 3}, NudgeStep::TopIn), (BoxRect{50, 60, 20, 3}));
    EXPECT_EQ(Stepped({50, 60, 20, 3}, NudgeStep::BottomIn), (BoxRect{50, 60, 20, 3}));
    EXPECT_EQ(Stepped({50, 60, 5, 10}, NudgeStep::RightIn), (BoxRect{50, 60, 5, 10}));
    // Left and right go out only with room for the whole step.
    EXPECT_EQ(Stepped({3, 60, 20, 10}, NudgeStep::LeftOut), (BoxRect{3, 60, 20, 10}));
    EXPECT_EQ(Stepped({217, 60, 20, 10}, NudgeStep::RightOut), (BoxRect{217, 60, 20, 10}));
}

TEST(NudgeResize, TopAndBottomGoOutUntilTheyTouchAndAreCutToTheArea) {
    // From top 2 the step is cut at the top edge: the top rises by 2, the bottom drops by 3.
    EXPECT_EQ(Stepped({50, 2, 20, 10}, NudgeStep::TopOut), (BoxRect{50, 0, 20, 15}));
    EXPECT_EQ(Stepped({50, 0, 20, 10}, NudgeStep::TopOut), (BoxRect{50, 0, 20, 10}));
    // ... and at the bottom, when the taller box would pass it.
    EXPECT_EQ(Stepped({50, 2, 20, 278}, NudgeStep::TopOut), (BoxRect{50, 0, 20, 281}));
    EXPECT_EQ(Stepped({50, 268, 20, 10}, NudgeStep::BottomOut), (BoxRect{50, 268, 20, 13}));
    EXPECT_EQ(Stepped({50, 271, 20, 10}, NudgeStep::BottomOut), (BoxRect{50, 271, 20, 10}));
}

TEST(NudgeMove, OversizedBoxesAndStepsStayOnTheArea) {
    EXPECT_EQ(Stepped({0, 0, 300, 400}, NudgeStep::Right, 1), (BoxRect{0, 0, 240, 281}));
    EXPECT_EQ(Stepped({50, 60, 20, 10}, NudgeStep::Right, 2147483647), (BoxRect{220, 60, 20, 10}));
    EXPECT_EQ(Stepped({50, 60, 20, 10}, NudgeStep::RightIn, 2147483647), (BoxRect{50, 60, 20, 10}));
}

TEST(NudgeGroup, MovesEveryMemberOrOnlyTheOneThatReachesTheEdge) {
    Page1 page{{3, 10, 20, 10}, {50, 10, 20, 10}, {100, 10, 20, 10}, {150, 10, 20, 10}};
    for (int slot : {1, 2, 3}) page.layout.Box(1, slot).Selected = 1;
    Nudge(page.editor, 2, NudgeStep::Left, 5, Area, true);
    EXPECT_EQ(page.Rects(),
              (std::vector<BoxRect>{
                  {0, 10, 20, 10}, {50, 10, 20, 10}, {100, 10, 20, 10}, {150, 10, 20, 10}}));
    EXPECT_TRUE(page.layout.Modified);
    // Slot 4 is not in the group.
    Nudge(page.editor, 2, NudgeStep::Down, 5, Area, true);
    EXPECT_EQ(page.Rects(),
              (std::vector<BoxRect>{
                  {0, 15, 20, 10}, {50, 15, 20, 10}, {100, 15, 20, 10}, {150, 10, 20, 10}}));
    // Resizing acts on the given box alone even with a group.
    Nudge(page.editor, 2, NudgeStep::RightOut, 5, Area, true);
    EXPECT_EQ(page.Rects(),
              (std::vector<BoxRect>{
                  {0, 15, 20, 10}, {50, 15, 25, 10}, {100, 15, 20, 10}, {150, 10, 20, 10}}));
}

TEST(NudgeGroup, AMoveClampsEveryBoxOfThePage) {
    Page1 page{{50, 10, 20, 10}, {230, 100, 30, 10}};
    page.layout.Box(1, 1).Selected = 1;
    Nudge(page.editor, 1, NudgeStep::Right, 5, Area, true);
    EXPECT_EQ(page.Rects(), (std::vector<BoxRect>{{55, 10, 20, 10}, {230, 100, 10, 10}}));
}
