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

TEST(DrawBackgroundPicture, CentreStretchAndTileFillThePictureArea) {
    const QImage picture = Gradient(10, 8);
    // Inner area 58 x 48 from (1, 1); the picture area begins one row lower.
    QImage centred = DrawAlone(PictureBox(1, 60, 50, picture), 60, 50);
    EXPECT_EQ(PixelAt(centred, 25, 22), PictureAt(0, 0)); // (nearest(24) + 1, nearest(20) + 2)
    EXPECT_EQ(PixelAt(centred, 34, 29), PictureAt(9, 7));
    EXPECT_EQ(PixelAt(centred, 24, 22), White);

    QImage stretched = DrawAlone(PictureBox(2, 60, 50, picture), 60, 50);
    EXPECT_EQ(PixelAt(stretched, 1, 2), PictureAt(0, 0));
    EXPECT_EQ(PixelAt(stretched, 58, 48), PictureAt(9, 7));

    QImage tiled = DrawAlone(PictureBox(3, 60, 50, picture), 60, 50);
    EXPECT_EQ(PixelAt(tiled, 1, 2), PictureAt(0, 0));
    EXPECT_EQ(PixelAt(tiled, 11, 2), PictureAt(0, 0));
    EXPECT_EQ(PixelAt(tiled, 1, 10), PictureAt(0, 0));
    EXPECT_EQ(PixelAt(tiled, 58, 2), PictureAt(7, 0));  // the cut copy at the right
    EXPECT_EQ(PixelAt(tiled, 58, 48), PictureAt(7, 6)); // the cut row at the bottom

    QImage none = DrawAlone(PictureBox(0, 60, 50, picture), 60, 50);
    EXPECT_EQ(CountColour(none, QRect(1, 2, 58, 47), White), 58 * 47);
}

TEST(DrawBackgroundPicture, PictureLargerThanItsAreaShowsItsMiddle) {
    ParameterBox box = PictureBox(1, 40, 30, Gradient(90, 80));
    const QImage image = DrawAlone(box, 40, 30);
    // Columns from |nearest(-26) + 1| + 1 = 26; the middle rows from (80 - 28) / 2 = 26.
    EXPECT_EQ(PixelAt(image, 1, 2), PictureAt(26, 26));
    EXPECT_EQ(PixelAt(image, 38, 28), PictureAt(26 + 37, 26 + 26));
}

TEST(DrawBackgroundPicture, EmptyOrInconsistentPicturesDrawNothing) {
    ParameterBox box = PictureBox(3, 40, 30, Gradient(4, 4));
    box.Symbol.Edit().Header.Width = 0;
    EXPECT_EQ(CountColour(DrawAlone(box, 40, 30), QRect(1, 2, 38, 27), White), 38 * 27);
    box.Symbol = DibFromQImage(Gradient(4, 4));
    box.Symbol.Edit().Pixels.resize(10); // fewer bytes than the header claims
    EXPECT_EQ(CountColour(DrawAlone(box, 40, 30), QRect(1, 2, 38, 27), White), 38 * 27);
    EXPECT_TRUE(DibToQImage(*box.Symbol).isNull());
}
