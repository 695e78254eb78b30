#include <gtest/gtest.h>

#include "core/designer/Guides.h"

using namespace roamplot;

namespace {
constexpr ScreenSize Area{240, 281};
// One other box: x lines 100, 120, 140 and y lines 50, 60, 70 besides the area's.
const GuideLines Lines = GuideLinesOf({{100, 50, 40, 20}}, Area);

Guide V(int x) {
    return {true, x};
}
Guide H(int y) {
    return {false, y};
}
} // namespace

TEST(Guides, TheLinesAreTheEdgesAndCentresOfTheOtherBoxesAndTheArea) {
    EXPECT_EQ(Lines.X, (std::vector<int>{0, 120, 240, 100, 120, 140}));
    EXPECT_EQ(Lines.Y, (std::vector<int>{0, 140, 281, 50, 60, 70}));
}

TEST(Guides, AMovedBoxSnapsItsNearestEdgeOrCentreWithinFourPixels) {
    // Its left 3 pixels right of the other's right edge, its top 2 below the other's top.
    GuidedRect edges = GuideMove({143, 52, 30, 10}, Lines);
    EXPECT_EQ(edges.Rect, (BoxRect{140, 50, 30, 10}));
    EXPECT_EQ(edges.Guides, (std::vector<Guide>{V(140), H(50), H(60)}))
        << "its bottom lies on the other's middle as well";

    // Centres: 20 wide at 107 has its centre at 117, 3 left of the other's centre.
    EXPECT_EQ(GuideMove({107, 200, 20, 10}, Lines).Rect, (BoxRect{110, 200, 20, 10}));
    // The area's edges and middle: bottom at 278, 3 above the area's bottom.
    EXPECT_EQ(GuideMove({200, 258, 10, 20}, Lines).Rect, (BoxRect{200, 261, 10, 20}));
    EXPECT_EQ(GuideMove({2, 136, 10, 10}, Lines).Rect, (BoxRect{0, 135, 10, 10}));

    // Five pixels away is out of reach: nothing moves, no line.
    const GuidedRect far = GuideMove({145, 205, 30, 10}, Lines);
    EXPECT_EQ(far.Rect, (BoxRect{145, 205, 30, 10}));
    EXPECT_TRUE(far.Guides.empty());
    // The nearest line wins: the left 2 from 100 beats the centre 3 from 120 and the right
    // 4 from 140.
    EXPECT_EQ(GuideMove({102, 200, 42, 10}, Lines).Rect.Left, 100);
}

TEST(Guides, AResizeSnapsOnlyTheEdgesItMoved) {
    const BoxRect saved{10, 10, 80, 30};
    // The right edge dragged to 137: it snaps to 140, the left stays.
    GuidedRect right = GuideResize(saved, {10, 10, 127, 30}, Lines);
    EXPECT_EQ(right.Rect, (BoxRect{10, 10, 130, 30}));
    EXPECT_EQ(right.Guides, (std::vector<Guide>{V(140)}));
    // The bottom dragged to 48 snaps to 50; the top at 10 is no edge that moved.
    GuidedRect bottom = GuideResize(saved, {10, 10, 80, 38}, Lines);
    EXPECT_EQ(bottom.Rect, (BoxRect{10, 10, 80, 40}));
    EXPECT_EQ(bottom.Guides, (std::vector<Guide>{H(50)}));
    // An edge never snaps past the one opposite.
    EXPECT_EQ(GuideResize({100, 100, 10, 10}, {100, 100, 2, 10}, Lines).Rect.Width, 2);
}

TEST(Guides, TheGridWinsAndTheModifierSnapsToNothing) {
    const BoxRect dropped{143, 52, 30, 10};
    // Guides alone.
    EXPECT_EQ(MoveOutcome(dropped, {}, Lines, Area).Rect, (BoxRect{140, 50, 30, 10}));
    // A grid of 5: 143 -> 145 and 52 -> 50 whatever the guides say; shown aligned where it is.
    const GuidedRect grid = MoveOutcome(dropped, {5, false}, Lines, Area);
    EXPECT_EQ(grid.Rect, (BoxRect{145, 50, 30, 10}));
    EXPECT_EQ(grid.Guides, (std::vector<Guide>{H(50), H(60)}));
    // Shift held: neither grid nor guides; only kept inside the area.
    const GuidedRect none = MoveOutcome(dropped, {5, true}, Lines, Area);
    EXPECT_EQ(none.Rect, dropped);
    EXPECT_TRUE(none.Guides.empty());
    EXPECT_EQ(MoveOutcome({-10, 23, 40, 20}, {}, Lines, Area), (GuidedRect{{0, 23, 40, 20}, {}}))
        << "kept inside, but no guide took the box: the band follows the pointer";

    const BoxRect saved{10, 10, 80, 30};
    EXPECT_EQ(ResizeOutcome(saved, {10, 10, 127, 30}, {}, Lines, Area).Rect.Width, 130);
    EXPECT_EQ(ResizeOutcome(saved, {10, 10, 127, 30}, {5, false}, Lines, Area).Rect.Width, 125);
    EXPECT_EQ(ResizeOutcome(saved, {10, 10, 127, 30}, {5, true}, Lines, Area).Rect.Width, 127);
}
