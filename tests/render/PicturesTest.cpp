#include "RenderTestSupport.h"
#include "render/DibImage.h"
#include "render/DrawablePicture.h"

namespace {

// 2 x 1 pixels, 24 bits: the key colour on the left, red on the right.
Dib KeyAndRed() {
    Dib dib;
    dib.Header.Width = 2;
    dib.Header.Height = 1;
    dib.Pixels = {0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0, 0};
    return dib;
}

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
    ParameterBox box = NewBox(1, BoxKind::Background, "1", 0, 0, width, height);
    box.TextBackColor = White;
    box.Symbol = DibFromQImage(picture);
    box.SymbolPlacement = placement;
    return box;
}

} // namespace

TEST(DibToQImage, ReadsIndexedRowsBottomUp) {
    Dib dib;
    dib.Header.Width = 3;
    dib.Header.Height = 2;
    dib.Header.BitCount = 4;
    // Blue, green, red and a zero byte for entries 0, 1 and 2.
    dib.ColorTable = {30, 20, 10, 0, 0, 100, 200, 0, 3, 2, 1, 0};
    dib.ColorTable.resize(16 * 4);
    // Stored bottom row first: indexes 2 2 2, then the top row 0 1 2.
    dib.Pixels = {0x22, 0x20, 0, 0, 0x01, 0x20, 0, 0};
    const QImage image = DibToQImage(dib);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(std::tuple(PixelAt(image, 0, 0), PixelAt(image, 1, 0), PixelAt(image, 2, 0),
                         PixelAt(image, 0, 1)),
              std::tuple(MakeColour(10, 20, 30), MakeColour(200, 100, 0), MakeColour(1, 2, 3),
                         MakeColour(1, 2, 3)));
}

TEST(DibFromQImage, GivesA24BitDibThatConvertsBack) {
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    const Dib dib = DibFromQImage(image);
    // Bottom-up: the first stored pixel is (0, 2), red 0 and green 200.
    EXPECT_EQ(std::tuple(dib.BitCount(), dib.Header.SizeImage, dib.Pixels.size(),
                         dib.ColorTable.empty(), dib.Pixels[2], dib.Pixels[1]),
              std::tuple(24, 16u * 3, 16u * 3, true, 0, 200));
    EXPECT_EQ(DibToQImage(dib), image);
    EXPECT_TRUE(DibToQImage(Dib{}).isNull());
}

TEST(WithKeyTransparent, ClearsOnlyTheKeyColour) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 255));
    image.setPixel(1, 0, qRgb(255, 0, 254));
    const QImage keyed = WithKeyTransparent(image);
    EXPECT_EQ(std::tuple(qAlpha(keyed.pixel(0, 0)), qAlpha(keyed.pixel(1, 0))), std::tuple(0, 255));
}

TEST(DrawablePicture, IsConvertedOncePerPictureAndAgainOnlyAfterAChange) {
    SharedDib picture(KeyAndRed());
    const QImage first = DrawablePicture(picture);
    ASSERT_EQ(first.size(), QSize(2, 1));
    EXPECT_EQ(PixelAt(first, 1, 0), MakeColour(255, 0, 0));
    // Every box holding the picture draws the one converted image.
    const SharedDib sharedByAnotherBox = picture;
    EXPECT_EQ(DrawablePicture(sharedByAnotherBox).cacheKey(), first.cacheKey());
    EXPECT_EQ(DrawableKeyedPicture(picture).cacheKey(), DrawableKeyedPicture(picture).cacheKey());
    const QImage keyed = DrawableKeyedPicture(picture);
    EXPECT_EQ(std::tuple(qAlpha(keyed.pixel(0, 0)), qAlpha(keyed.pixel(1, 0))), std::tuple(0, 255));

    SharedDib changed = picture;
    changed.Edit().Pixels[5] = 0x00; // red becomes black in this box only
    EXPECT_EQ(PixelAt(DrawablePicture(changed), 1, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(PixelAt(DrawablePicture(picture), 1, 0), MakeColour(255, 0, 0));
    changed.Edit().Pixels[3] = 0x7F; // held by this box alone, drawn before
    EXPECT_EQ(PixelAt(DrawablePicture(changed), 1, 0), MakeColour(0, 0, 0x7F));
    EXPECT_TRUE(DrawablePicture(SharedDib()).isNull());
}

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
