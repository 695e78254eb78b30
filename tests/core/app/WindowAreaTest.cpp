#include "core/app/WindowArea.h"
#include "plain/CoreTest.h"

namespace {
bool Overlap(WindowPosition a, int aw, int ah, WindowPosition b, int bw, int bh) {
    return a.Left < b.Left + bw && b.Left < a.Left + aw && a.Top < b.Top + bh && b.Top < a.Top + ah;
}
} // namespace

TEST(WindowArea, AWindowIsMovedTheLeastIntoTheAreaAndABigOneKeepsItsTitleBar) {
    const WindowRect area{0, 0, 1366, 728}; // a 1366 x 768 screen less its task bar
    EXPECT_EQ(KeepInsideArea({100, 50, 300, 200}, area), (WindowPosition{100, 50}));
    EXPECT_EQ(KeepInsideArea({1200, 600, 300, 200}, area), (WindowPosition{1066, 528}));
    EXPECT_EQ(KeepInsideArea({-40, -10, 300, 200}, area), (WindowPosition{0, 0}));
    EXPECT_EQ(KeepInsideArea({500, 300, 1600, 900}, area), (WindowPosition{0, 0}));
    // A second screen to the left, its task bar on top.
    EXPECT_EQ(KeepInsideArea({-2000, 0, 300, 200}, {-1280, 40, 1280, 984}),
              (WindowPosition{-1280, 40}));
}

TEST(WindowArea, TheFirstStartPutsThePreviewBesideTheMainWindow) {
    struct Case {
        WindowRect Area;
        WindowRect Main;
        int PreviewWidth, PreviewHeight;
        WindowPosition Main2, Preview;
    };
    const Case cases[] = {
        // Room on the right.
        {{0, 0, 1600, 960}, {256, 20, 990, 700}, 260, 340, {256, 20}, {1246, 20}},
        // Room on the left only.
        {{0, 0, 1366, 728}, {600, 20, 700, 600}, 260, 340, {600, 20}, {340, 20}},
        // Room for both side by side once the main window moves over.
        {{0, 0, 1366, 728}, {256, 20, 990, 700}, 260, 340, {260, 20}, {0, 20}},
        // No room beside: below, kept on the screen.
        {{0, 0, 1024, 728}, {256, 20, 990, 500}, 490, 300, {256, 20}, {256, 428}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Area.Width);
        const FirstStartPlaces places =
            PlaceAtFirstStart(c.Main, c.PreviewWidth, c.PreviewHeight, c.Area);
        EXPECT_EQ(places.Main, c.Main2);
        EXPECT_EQ(places.Preview, c.Preview);
        if (c.Area.Width >= c.Main.Width + c.PreviewWidth) {
            EXPECT_FALSE(Overlap(places.Main, c.Main.Width, c.Main.Height, places.Preview,
                                 c.PreviewWidth, c.PreviewHeight));
        }
    }
}

TEST(WindowArea, FitTakesTheLargestWholeZoomThatFitsAndNeverLessThanOne) {
    // 240 x 320 with its 5-pixel frame on a 1366 x 728 area: 490 x 650 fits, 730 x 970 does not.
    EXPECT_EQ(FitZoom({240, 320}, 5, {1366, 728}, 4), 2);
    // A zoom that fills the room exactly fits; one pixel less in either direction does not.
    EXPECT_EQ(FitZoom({400, 300}, 5, {1210, 910}, 4), 3);
    EXPECT_EQ(FitZoom({400, 300}, 5, {1209, 910}, 4), 2);
    EXPECT_EQ(FitZoom({400, 300}, 5, {1210, 909}, 4), 2);
    EXPECT_EQ(FitZoom({100, 50}, 5, {1600, 1000}, 4), 4);
    EXPECT_EQ(FitZoom({100, 50}, 5, {1600, 1000}, 3), 3);
    EXPECT_EQ(FitZoom({2000, 1500}, 5, {1600, 1000}, 4), 1);
}

TEST(WindowArea, AScrolledViewGivesTheRoomOfItsScrollBarsOnlyWhereTheyAreNeeded) {
    struct Case {
        ScreenSize Content, Room, View;
    };
    const int bar = 15;
    const Case cases[] = {
        {{800, 600}, {800, 600}, {800, 600}},  // fits exactly: no bars
        {{800, 600}, {1000, 500}, {815, 500}}, // only down: a bar beside, room to spare
        {{800, 600}, {810, 500}, {810, 500}},  // down, and the bar makes it scroll across too
        {{800, 600}, {700, 610}, {700, 610}},  // across, and its bar makes it scroll down
        {{800, 600}, {700, 620}, {700, 615}},  // across only
        {{800, 600}, {300, 200}, {300, 200}},  // both
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.Room.Width) + "x" + std::to_string(c.Room.Height));
        EXPECT_EQ(ScrolledViewSize(c.Content, c.Room, bar), c.View);
    }
}

TEST(WindowArea, AKeptWindowSizeComesBackInsideTheArea) {
    const WindowRect laptop{0, 0, 1366, 728};
    const ScreenSize wanted{1200, 650};
    const ScreenSize least{400, 300};
    EXPECT_EQ(SizeInArea({1000, 600}, wanted, least, laptop), (ScreenSize{1000, 600}));
    // Kept on a larger monitor: cut to this one.
    EXPECT_EQ(SizeInArea({1900, 1000}, wanted, least, laptop), (ScreenSize{1366, 728}));
    // None kept, or a damaged one: the wanted size, cut to the area.
    EXPECT_EQ(SizeInArea({0, 0}, wanted, least, laptop), wanted);
    EXPECT_EQ(SizeInArea({-5, 600}, {1500, 650}, least, laptop), (ScreenSize{1366, 650}));
    EXPECT_EQ(SizeInArea({2000000000, 600}, wanted, least, laptop), wanted);
    // Too small to use: grown to the least size, as far as the area allows.
    EXPECT_EQ(SizeInArea({20, 10}, wanted, least, laptop), least);
    EXPECT_EQ(SizeInArea({20, 10}, wanted, least, {0, 0, 350, 250}), (ScreenSize{350, 250}));
}

TEST(WindowArea, TheDockedPreviewKeepsItsWidthWhileTheControlsCanScroll) {
    struct Case {
        int Width;
        DockedShare Share;
    };
    // Controls want 840 (at least 300), the preview 500.
    const Case cases[] = {
        {1340, {840, 500}}, // both whole
        {1500, {840, 660}}, // room to spare goes to the preview
        {1090, {840, 250}}, // the preview keeps half: it scrolls
        {1000, {500, 500}}, // it would keep less: the controls scroll
        {700, {300, 400}},  // the controls keep their least, the preview scrolls
        {200, {200, 0}},    // less than the least: all to the controls
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Width);
        const DockedShare share = ShareDockedWidth(c.Width, 840, 300, 500);
        EXPECT_EQ(share.Controls, c.Share.Controls);
        EXPECT_EQ(share.Preview, c.Share.Preview);
    }
}
