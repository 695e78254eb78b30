#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/DibImage.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// Every pixel has its own colour: red = x, green = y, blue = 77.
QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x, y, 77));
    return image;
}
Colour PictureAt(int x, int y) {
    return MakeColour(x, y, 77);
}

ParameterBox PictureBox(int placement, int width, int height, const QImage& picture) {
    ParameterBox box = MakeBox(BoxKind::Background, 0, 0, width, height);
    box.TextBackColor = White;
    box.Symbol = DibFromQImage(picture);
    box.SymbolPlacement = placement;
    return box;
}

} // namespace

TEST(DrawBackgroundPicture, CentreStretchAndTileFillThePictureAreaWithItsMiddle) {
    const QImage picture = Gradient(10, 8);
    // Inner area 58 x 48 from (1, 1); the picture area begins one row lower.
    QImage centred = DrawAlone(PictureBox(1, 60, 50, picture), 60, 50);
    // From (nearest(24) + 1, nearest(20) + 2).
    EXPECT_EQ(
        std::tuple(PixelAt(centred, 25, 22), PixelAt(centred, 34, 29), PixelAt(centred, 24, 22)),
        std::tuple(PictureAt(0, 0), PictureAt(9, 7), White));

    QImage stretched = DrawAlone(PictureBox(2, 60, 50, picture), 60, 50);
    EXPECT_EQ(std::tuple(PixelAt(stretched, 1, 2), PixelAt(stretched, 58, 48)),
              std::tuple(PictureAt(0, 0), PictureAt(9, 7)));

    QImage tiled = DrawAlone(PictureBox(3, 60, 50, picture), 60, 50);
    // The copies cut at the right and at the bottom too.
    EXPECT_EQ(std::tuple(PixelAt(tiled, 1, 2), PixelAt(tiled, 11, 2), PixelAt(tiled, 1, 10),
                         PixelAt(tiled, 58, 2), PixelAt(tiled, 58, 48)),
              std::tuple(PictureAt(0, 0), PictureAt(0, 0), PictureAt(0, 0), PictureAt(7, 0),
                         PictureAt(7, 6)));

    QImage none = DrawAlone(PictureBox(0, 60, 50, picture), 60, 50);
    EXPECT_EQ(CountColour(none, QRect(1, 2, 58, 47), White), 58 * 47);

    // A picture larger than its area shows its middle: columns from
    // |nearest(-26) + 1| + 1 = 26, rows from (80 - 28) / 2 = 26.
    const QImage large = DrawAlone(PictureBox(1, 40, 30, Gradient(90, 80)), 40, 30);
    EXPECT_EQ(std::tuple(PixelAt(large, 1, 2), PixelAt(large, 38, 28)),
              std::tuple(PictureAt(26, 26), PictureAt(26 + 37, 26 + 26)));
}

TEST(DrawBackgroundPicture, EmptyOrInconsistentPicturesDrawNothing) {
    ParameterBox box = PictureBox(3, 40, 30, Gradient(4, 4));
    ParameterBox cut = box;
    box.Symbol.Edit().Header.Width = 0;
    cut.Symbol.Edit().Pixels.resize(10); // fewer bytes than the header claims
    EXPECT_TRUE(DibToQImage(*cut.Symbol).isNull());
    for (const ParameterBox& b : {box, cut})
        EXPECT_EQ(CountColour(DrawAlone(b, 40, 30), QRect(1, 2, 38, 27), White), 38 * 27);
}
