#include <gtest/gtest.h>

#include <set>

#include "RenderTestSupport.h"
#include "render/Fills.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
const Colour Red = MakeColour(255, 0, 0);
} // namespace

TEST(GradientColoursFor, EndsSeventyPercentTowardsWhiteWithStockPairsForOneToSix) {
    const std::tuple<Colour, Colour, Colour> pairs[] = {
        {MakeColour(100, 0, 200), MakeColour(100, 0, 200), MakeColour(208, 178, 238)},
        {Black, Black, MakeColour(150, 150, 150)},
        {White, White, White},
        {1, MakeColour(57, 109, 165), MakeColour(149, 182, 219)},
        {6, MakeColour(18, 0, 242), MakeColour(165, 157, 255)}};
    for (auto [colour, start, end] : pairs)
        EXPECT_EQ(std::tuple(GradientColoursFor(colour).Start, GradientColoursFor(colour).End),
                  std::tuple(start, end))
            << colour;
    EXPECT_EQ(GradientColoursFor(7).Start, 7); // no stock pair beyond 6
}

TEST(GradientFill, WhiteDrawsTwoBandsTheSecondBelowTheRectangle) {
    const QImage image =
        Painted(20, 40, Red, [](BoxCanvas& canvas) { GradientFill(canvas, 0, 5, 20, 15, White); });
    EXPECT_EQ(PixelAt(image, 3, 4), Red);
    EXPECT_EQ(CountColour(image, QRect(0, 5, 20, 20), White), 20 * 20);
    EXPECT_EQ(PixelAt(image, 3, 25), Red);
}

TEST(GradientFill, BlackRunsToGreyIn151BandsEachItsOwnColourAndStockColoursStartAtTheirPair) {
    const QImage image =
        Painted(4, 400, Red, [](BoxCanvas& canvas) { GradientFill(canvas, 0, 0, 4, 151, Black); });
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

    const QImage stock =
        Painted(10, 60, Red, [](BoxCanvas& canvas) { GradientFill(canvas, 0, 0, 10, 50, 4); });
    EXPECT_EQ(PixelAt(stock, 5, 0), MakeColour(157, 32, 0));
    EXPECT_NE(PixelAt(stock, 5, 49), MakeColour(157, 32, 0));
}

TEST(TranslucentFill, TwoThirdsOfTheColourOverOneThirdOfWhatLayBelowInsideTheShapeOnly) {
    // 101 * 170 / 255 = 67.3 and 200 * 85 / 255 = 66.7: both shares are rounded to nearest.
    const Colour below = MakeColour(200, 7, 1);
    const QImage image = Painted(
        30, 20, below,
        [](BoxCanvas& canvas) {
            TranslucentFill(canvas, RectShape(0, 0, 10, 10), MakeColour(101, 0, 255));
        },
        QRect(5, 5, 20, 10));
    EXPECT_EQ(
        std::tuple(PixelAt(image, 5, 5), PixelAt(image, 14, 14), PixelAt(image, 15, 5),
                   PixelAt(image, 4, 5)),
        std::tuple(MakeColour(67 + 67, 0 + 2, 170 + 0), MakeColour(134, 2, 170), below, below));
    EXPECT_EQ(TranslucentBlend(TranslucentSourceChannel(255), 255), 255);

    // Black covers its shape and nothing else.
    const QImage black = Painted(20, 20, White, [](BoxCanvas& canvas) {
        TranslucentFill(canvas, RectShape(0, 10, 20, 20), Black);
    });
    EXPECT_EQ(PixelAt(black, 3, 3), White);
    EXPECT_EQ(PixelAt(black, 3, 13), MakeColour(85, 85, 85));
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
