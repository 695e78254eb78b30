#include <gtest/gtest.h>

#include "core/app/DesignerSettings.h"
#include "core/app/DeviceScreen.h"
#include "core/app/SettingsFile.h"
#include "plain/TempFolder.h"

using namespace roamplot;

TEST(CustomScreenSize, TakesOneTo4096AcrossAndTheToolbarPlusARowTo4096Down) {
    const std::tuple<int, int, bool> sizes[] = {
        {1, 40, true},    {4096, 4096, true}, {800, 480, true}, {0, 300, false},
        {-4, 300, false}, {4097, 300, false}, {800, 39, false}, {800, 4097, false}};
    for (auto [width, height, usable] : sizes)
        EXPECT_EQ(IsUsableCustomSize(width, height), usable) << width << " x " << height;
}

TEST(CustomScreenSize, AStoredSizeThePreviewCannotShowReadsAsTheDefault) {
    test::TempFolder folder;
    SettingsFile file(folder.Write(
        "s.ini",
        "[Settings]\nDevice Type=7\nCustom Device Width=99999\nCustom Device Height=240\n"));
    const DeviceScreen screen = ReadDesignerSettings(file).Screen;
    EXPECT_EQ(std::tuple(screen.CustomWidth, screen.CustomHeight), std::tuple(480, 240));
}
