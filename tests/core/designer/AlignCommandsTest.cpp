#include <gtest/gtest.h>

#include "core/designer/AlignCommands.h"
#include "plain/BoxesOnPage.h"

using namespace roamplot;

namespace {
constexpr ScreenSize Area{240, 281};

// Boxes on page 1, slots 1 to n, all multi-selected unless said otherwise.
struct Group : test::BoxesOnPage {
    explicit Group(std::initializer_list<BoxRect> rects) : BoxesOnPage(rects, true) {}
    bool Run(AlignCommand command, int reference = 1) {
        return RunAlignCommand(editor, command, reference, Area);
    }
    int Top(int slot) const { return editor.BoxRectOf(slot).Top; }
    int Left(int slot) const { return editor.BoxRectOf(slot).Left; }
};
} // namespace

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
