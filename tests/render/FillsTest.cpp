#include <gtest/gtest.h>

#include <set>

#include "RenderTestSupport.h"
#include "render/BoxCanvas.h"
#include "render/Fills.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
const Colour Red = MakeColour(255, 0, 0);

QImage Filled(int width, int height, Colour colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(colour));
    return image;
}
} // namespace

TEST(GradientColoursFor, EndsSeventyPercentTowardsWhiteWithStockPairsForOneToSix) {
    EXPECT_EQ(GradientColoursFor(MakeColour(100, 0, 200)).End, MakeColour(208, 178, 238));
    EXPECT_EQ(GradientColoursFor(MakeColour(100, 0, 200)).Start, MakeColour(100, 0, 200));
    EXPECT_EQ(GradientColoursFor(Black).End, MakeColour(150, 150, 150));
    EXPECT_EQ(GradientColoursFor(White).End, White);
    EXPECT_EQ(GradientColoursFor(1).Start, MakeColour(57, 109, 165));
    EXPECT_EQ(GradientColoursFor(1).End, MakeColour(149, 182, 219));
    EXPECT_EQ(GradientColoursFor(3).Start, MakeColour(255, 255, 125));
    EXPECT_EQ(GradientColoursFor(4).End, MakeColour(255, 124, 91));
    EXPECT_EQ(GradientColoursFor(6).Start, MakeColour(18, 0, 242));
    EXPECT_EQ(GradientColoursFor(6).End, MakeColour(165, 157, 255));
    EXPECT_EQ(GradientColoursFor(7).Start, 7); // no stock pair beyond 6
}

TEST(GradientFill, WhiteDrawsTwoBandsTheSecondBelowTheRectangle) {
    QImage image = Filled(20, 40, Red);
    {
        BoxCanvas canvas(image, image.rect());
        GradientFill(canvas, 0, 5, 20, 15, White);
    }
    EXPECT_EQ(PixelAt(image, 3, 4), Red);
    EXPECT_EQ(CountColour(image, QRect(0, 5, 20, 20), White), 20 * 20);
    EXPECT_EQ(PixelAt(image, 3, 25), Red);
}

TEST(GradientFill, BlackRunsToGreyIn151BandsEachItsOwnColour) {
    QImage image = Filled(4, 400, Red);
    {
        BoxCanvas canvas(image, image.rect());
        GradientFill(canvas, 0, 0, 4, 151, Black);
    }
    std::set<Colour> colours;
    int lastRow = 0;
    for (int y = 0; y < 400 && PixelAt(image, 0, y) != Red; ++y) {
        colours.insert(PixelAt(image, 0, y));
        lastRow = y;
    }
    EXPECT_EQ(colours.size(), 151u);
    EXPECT_EQ(PixelAt(image, 0, 0), Black);
    EXPECT_EQ(PixelAt(image, 0, lastRow), MakeColour(150, 150, 150));
    EXPECT_GE(lastRow, 151); // the last band lies below the rectangle
}

TEST(GradientFill, StockColourStartsAtItsPair) {
    QImage image = Filled(10, 60, Red);
    {
        BoxCanvas canvas(image, image.rect());
        GradientFill(canvas, 0, 0, 10, 50, 4);
    }
    EXPECT_EQ(PixelAt(image, 5, 0), MakeColour(157, 32, 0));
    EXPECT_NE(PixelAt(image, 5, 49), MakeColour(157, 32, 0));
}

TEST(TranslucentFill, TwoThirdsOfTheColourOverOneThirdOfWhatLayBelowInsideTheShapeOnly) {
    // 101 * 170 / 255 = 67.3 and 200 * 85 / 255 = 66.7: both shares are rounded to nearest.
    QImage image = Filled(30, 20, MakeColour(200, 7, 1));
    {
        BoxCanvas canvas(image, QRect(5, 5, 20, 10));
        TranslucentFill(canvas, RectShape(0, 0, 10, 10), MakeColour(101, 0, 255));
    }
    EXPECT_EQ(PixelAt(image, 5, 5), MakeColour(67 + 67, 0 + 2, 170 + 0));
    EXPECT_EQ(PixelAt(image, 14, 14), MakeColour(134, 2, 170));
    EXPECT_EQ(PixelAt(image, 15, 5), MakeColour(200, 7, 1));
    EXPECT_EQ(PixelAt(image, 4, 5), MakeColour(200, 7, 1));
    EXPECT_EQ(TranslucentBlend(TranslucentSourceChannel(255), 255), 255);
}

TEST(TranslucentFill, BlackCoversItsShapeAndNothingElse) {
    QImage image = Filled(20, 20, White);
    {
        BoxCanvas canvas(image, image.rect());
        TranslucentFill(canvas, RectShape(0, 10, 20, 20), Black);
    }
    EXPECT_EQ(PixelAt(image, 3, 3), White);
    EXPECT_EQ(PixelAt(image, 3, 13), MakeColour(85, 85, 85));
}

TEST(TranslucentFill, OtherImageFormatsGetAClosePictureWithoutReadingPastTheRows) {
    QImage image(7, 5, QImage::Format_RGB888); // 21-byte rows: no 32-bit access possible
    image.fill(QColor(30, 60, 240));
    {
        BoxCanvas canvas(image, image.rect());
        TranslucentFill(canvas, RectShape(0, 0, 7, 5), MakeColour(90, 150, 30));
    }
    const Colour c = PixelAt(image, 6, 4);
    EXPECT_NEAR(RedOf(c), 70, 2);
    EXPECT_NEAR(GreenOf(c), 120, 2);
    EXPECT_NEAR(BlueOf(c), 100, 2);
}
