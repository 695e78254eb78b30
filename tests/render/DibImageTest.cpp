#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/DibImage.h"
#include "render/DrawablePicture.h"

using namespace roamplot;
using namespace roamplot::test;

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

namespace {
// 2 x 1 pixels, 24 bits: the key colour on the left, red on the right.
Dib KeyAndRed() {
    Dib dib;
    dib.Header.Width = 2;
    dib.Header.Height = 1;
    dib.Pixels = {0xFF, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0, 0};
    return dib;
}
} // namespace

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
