#include <gtest/gtest.h>

#include "core/app/DeviceScreen.h"

using namespace roamplot;

TEST(DeviceScreen, RowsGiveSizesAndCodes) {
    DeviceScreen screen;
    screen.Row = 1;
    EXPECT_EQ(screen.Size(), (ScreenSize{320, 240}));
    EXPECT_EQ(screen.DeviceTypeCode(), "PPC");
    screen.Row = 3;
    EXPECT_EQ(screen.Size(), (ScreenSize{320, 240}));
    EXPECT_EQ(screen.DeviceTypeCode(), "HPC");
    screen.Row = 0;
    EXPECT_EQ(screen.DrawArea(), (ScreenSize{240, 281}));
    screen.Row = CustomDeviceRow;
    screen.CustomWidth = 800;
    screen.CustomHeight = 480;
    EXPECT_EQ(screen.Size(), (ScreenSize{800, 480}));
    EXPECT_EQ(screen.DeviceTypeCode(), "Custom");
    screen.Row = 8;
    EXPECT_EQ(screen.Size(), (ScreenSize{0, 0}));
    EXPECT_EQ(screen.DeviceTypeCode(), "");
}

TEST(DeviceScreen, LockedPreviewSitsLeftOrBelow) {
    DeviceScreen screen;
    screen.Row = 0;
    EXPECT_EQ(PlacePreviewBeside(screen, 100, 50, 600, 250), (WindowPlace{0, 50}));
    EXPECT_EQ(PlacePreviewBeside(screen, 400, 50, 600, 250), (WindowPlace{150, 50}));
    screen.Row = 4;
    EXPECT_EQ(PlacePreviewBeside(screen, 100, 50, 600, 490), (WindowPlace{100, 650}));
    screen.Row = CustomDeviceRow;
    EXPECT_EQ(PlacePreviewBeside(screen, 700, 10, 600, 490), (WindowPlace{210, 10}));
}
