// Where boxes go: snapping, the ends of moves and resizes, fitting into the
// drawing area, nudge steps and the align and spacing commands.
#include "core/designer/BoxGeometry.h"
#include "core/designer/AlignCommands.h"
#include "core/designer/LayoutEditor.h"
#include "core/designer/NudgeSteps.h"
#include "plain/CoreTest.h"

namespace {

constexpr ScreenSize Area{240, 281};

// A layout holding boxes at given rectangles in slots 1 to n of page 1.
struct BoxesOnPage {
    ScreenLayout layout;
    LayoutEditor editor{layout};
    int count = 0;

    BoxesOnPage(std::initializer_list<BoxRect> rects, bool multiSelected) {
        for (BoxRect r : rects) {
            ++count;
            layout.Box(1, count).PageNo = 1;
            layout.Box(1, count).Selected = multiSelected ? 1 : 0;
            editor.SetBoxRect(count, r);
        }
        layout.Modified = false;
    }
    // The rectangles of slots 1 to n, as the editor reads them.
    std::vector<BoxRect> Rects() const {
        std::vector<BoxRect> rects;
        for (int slot = 1; slot <= count; ++slot) rects.push_back(editor.BoxRectOf(slot));
        return rects;
    }
};

// A layout with boxes at the given rectangles on page 1, slots 1 to n.
struct Page1 : BoxesOnPage {
    explicit Page1(std::initializer_list<BoxRect> rects) : BoxesOnPage(rects, false) {}
    BoxRect After(NudgeStep step, int s = 5, int slot = 1) {
        Nudge(editor, slot, step, s, Area, false);
        return editor.BoxRectOf(slot);
    }
};

BoxRect Stepped(BoxRect start, NudgeStep step, int s = 5) {
    return Page1{start}.After(step, s);
}

// Boxes on page 1, slots 1 to n, all multi-selected unless said otherwise.
struct Group : BoxesOnPage {
    explicit Group(std::initializer_list<BoxRect> rects) : BoxesOnPage(rects, true) {}
    bool Run(AlignCommand command, int reference = 1) {
        return RunAlignCommand(editor, command, reference, Area);
    }
    int Top(int slot) const { return editor.BoxRectOf(slot).Top; }
    int Left(int slot) const { return editor.BoxRectOf(slot).Left; }
};

} // namespace

TEST(Snapping, RoundsToTheNearestMultipleHalvesUpAndIntervalsThatCannotDivideTurnItOff) {
    const std::tuple<int, int, int> snaps[] = {{12, 5, 10}, {13, 5, 15}, {15, 10, 20}, {14, 10, 10},
                                               {-2, 5, 0},  {-8, 5, -5}, {7, 0, 7}};
    for (auto [coordinate, interval, snapped] : snaps)
        EXPECT_EQ(SnapCoordinate(coordinate, interval), snapped)
            << coordinate << " by " << interval;
    EXPECT_EQ(std::tuple(ParseSnapInterval("10"), ParseSnapInterval(" 5 ")), std::tuple(10, 5));
    for (const char* off : {"0", "", "ABC", "-5"}) EXPECT_FALSE(ParseSnapInterval(off)) << off;
}

TEST(EndOfMove, SnapsThenKeepsTheBoxInsideTheArea) {
    EXPECT_EQ(EndOfMove({12, 13, 60, 30}, 5, Area), (BoxRect{10, 15, 60, 30}));
    EXPECT_EQ(EndOfMove({-2, 40, 60, 30}, 5, Area), (BoxRect{0, 40, 60, 30}));
    EXPECT_EQ(EndOfMove({12, 13, 60, 30}, std::nullopt, Area), (BoxRect{12, 13, 60, 30}));
    // Partly below the area: the bottom lands on the area's bottom edge.
    EXPECT_EQ(EndOfMove({20, 270, 60, 30}, std::nullopt, Area), (BoxRect{20, 251, 60, 30}));
    EXPECT_EQ(EndOfMove({200, 0, 60, 30}, std::nullopt, Area), (BoxRect{180, 0, 60, 30}));
}

TEST(EndOfResize, SnapsTheEdgeThatMoved) {
    BoxRect saved{20, 40, 60, 30};
    // The top moved: snap it, the bottom stays.
    EXPECT_EQ(EndOfResize(saved, {20, 33, 60, 37}, 10, Area), (BoxRect{20, 30, 60, 40}));
    // The left moved: snap it, the right stays.
    EXPECT_EQ(EndOfResize(saved, {14, 40, 66, 30}, 10, Area), (BoxRect{10, 40, 70, 30}));
    // The right edge moved: the width becomes a multiple of the interval.
    EXPECT_EQ(EndOfResize(saved, {20, 40, 77, 30}, 10, Area), (BoxRect{20, 40, 80, 30}));
    // Sticking out on the right: one pixel less than the space to the edge.
    EXPECT_EQ(EndOfResize({200, 40, 20, 30}, {200, 40, 47, 30}, 10, Area),
              (BoxRect{200, 40, 39, 30}));
    EXPECT_EQ(EndOfResize({20, 260, 60, 10}, {20, 260, 60, 26}, 10, Area),
              (BoxRect{20, 260, 60, 21}));
    EXPECT_EQ(EndOfResize(saved, {20, 40, 77, 30}, std::nullopt, Area), (BoxRect{20, 40, 77, 30}));
}

TEST(Fitting, ShrinkingCutsAndMovingKeepsTheSize) {
    EXPECT_EQ(FitByShrinking({-4, -3, 60, 30}, Area), (BoxRect{0, 0, 60, 30}));
    EXPECT_EQ(FitByShrinking({200, 270, 60, 30}, Area), (BoxRect{200, 270, 40, 11}));
    EXPECT_EQ(FitByShrinking({0, 0, 240, 320}, Area), (BoxRect{0, 0, 240, 281}));
    EXPECT_EQ(FitByShrinking({300, 10, 20, 10}, Area), (BoxRect{220, 10, 20, 10}));
    EXPECT_EQ(FitByMoving({100, 10, 200, 30}, Area), (BoxRect{40, 10, 200, 30}));
    EXPECT_EQ(FitByMoving({-5, 275, 20, 10}, Area), (BoxRect{0, 271, 20, 10}));
}

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

TEST(Align, EdgesFollowTheReferenceBox) {
    Group g{{20, 30, 100, 40}, {5, 80, 30, 10}, {60, 120, 50, 25}};
    EXPECT_TRUE(g.Run(AlignCommand::AlignRight));
    EXPECT_EQ(std::tuple(g.Left(1), g.Left(2), g.Left(3)), std::tuple(20, 90, 70));
    EXPECT_TRUE(g.layout.Modified);
    g.Run(AlignCommand::AlignBottom);
    EXPECT_EQ(std::tuple(g.Top(2), g.Top(3)), std::tuple(60, 45));
    g.Run(AlignCommand::AlignLeft);
    g.Run(AlignCommand::AlignTop);
    EXPECT_EQ(g.Rects(),
              (std::vector<BoxRect>{{20, 30, 100, 40}, {20, 30, 30, 10}, {20, 30, 50, 25}}));
}

TEST(Align, OnlySelectedBoxesOfTheCurrentPageMoveAndOnlyWithAReferenceBoxOnThePage) {
    Group g{{20, 30, 100, 40}, {5, 80, 30, 10}};
    EXPECT_FALSE(g.Run(AlignCommand::AlignLeft, 0));
    EXPECT_FALSE(g.Run(AlignCommand::SameWidth, 7));
    EXPECT_EQ(g.editor.BoxRectOf(2), (BoxRect{5, 80, 30, 10}));
    g.layout.Box(1, 2).Selected = 0;
    g.layout.Box(2, 1).PageNo = 2;
    g.layout.Box(2, 1).Selected = 1;
    g.layout.Box(2, 1).Left = 77;
    EXPECT_FALSE(g.Run(AlignCommand::AlignLeft));
    EXPECT_EQ(std::tuple(g.Left(2), g.layout.Box(2, 1).Left), std::tuple(5, 77));
    EXPECT_FALSE(g.layout.Modified) << "nothing changed";
}

TEST(SameSize, TakesTheReferenceSizeAndMovesRatherThanShrinks) {
    Group g{{0, 0, 100, 40}, {200, 80, 30, 10}, {20, 270, 30, 5}};
    g.Run(AlignCommand::SameWidth);
    EXPECT_EQ(g.Rects(),
              (std::vector<BoxRect>{{0, 0, 100, 40}, {140, 80, 100, 10}, {20, 270, 100, 5}}));
    g.Run(AlignCommand::SameHeight);
    EXPECT_EQ(g.editor.BoxRectOf(3), (BoxRect{20, 241, 100, 40}));
}

TEST(Space, BoxesBetweenTheOuterOnesTakeEvenStepsAndOneLeftBehindStays) {
    Group g{{0, 0, 10, 10}, {0, 40, 10, 10}, {0, 100, 10, 10}};
    EXPECT_TRUE(g.Run(AlignCommand::SpaceVertical, 0));
    EXPECT_EQ(std::tuple(g.Top(1), g.Top(2), g.Top(3)), std::tuple(0, 50, 100));
    // The slot order does not matter, only the positions; 10 + 22.5 rounds to the even 32.
    Group h{{100, 0, 10, 10}, {10, 0, 10, 10}, {70, 0, 10, 10}, {20, 0, 10, 10}, {40, 5, 10, 10}};
    h.Run(AlignCommand::SpaceHorizontal, 0);
    EXPECT_EQ(std::tuple(h.Left(2), h.Left(4), h.Left(5), h.Left(3), h.Left(1)),
              std::tuple(10, 32, 54, 76, 100));
    Group behind{{0, 10, 10, 10}, {0, 20, 10, 10}, {0, 30, 10, 10}, {0, 100, 10, 10}};
    behind.Run(AlignCommand::SpaceVertical, 0);
    EXPECT_EQ(std::tuple(behind.Top(1), behind.Top(2), behind.Top(3), behind.Top(4)),
              std::tuple(10, 40, 30, 100));
}

TEST(Space, FewerThanTwoBoxesOrOneRowChangeNothing) {
    Group one{{0, 40, 10, 10}};
    EXPECT_FALSE(one.Run(AlignCommand::SpaceVertical, 0));
    Group same{{0, 50, 10, 10}, {30, 50, 10, 10}};
    EXPECT_FALSE(same.Run(AlignCommand::SpaceVertical, 0));
    EXPECT_EQ(std::tuple(same.Top(1), same.Top(2)), std::tuple(50, 50));
    Group atZero{{0, 0, 10, 10}, {30, 0, 10, 10}, {60, 0, 10, 10}};
    EXPECT_FALSE(atZero.Run(AlignCommand::SpaceVertical, 0));
}
