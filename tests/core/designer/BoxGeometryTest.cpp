#include <gtest/gtest.h>

#include "core/designer/BoxGeometry.h"

using namespace roamplot;

namespace {
constexpr ScreenSize Area{240, 281};
}

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
