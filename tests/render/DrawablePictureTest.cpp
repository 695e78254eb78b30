#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/DibImage.h"
#include "render/DrawablePicture.h"

using namespace roamplot;
using namespace roamplot::test;

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
    EXPECT_EQ(qAlpha(DrawableKeyedPicture(picture).pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(DrawableKeyedPicture(picture).pixel(1, 0)), 255);

    SharedDib changed = picture;
    changed.Edit().Pixels[5] = 0x00; // red becomes black in this box only
    EXPECT_EQ(PixelAt(DrawablePicture(changed), 1, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(PixelAt(DrawablePicture(picture), 1, 0), MakeColour(255, 0, 0));
    changed.Edit().Pixels[3] = 0x7F; // held by this box alone, drawn before
    EXPECT_EQ(PixelAt(DrawablePicture(changed), 1, 0), MakeColour(0, 0, 0x7F));
    EXPECT_TRUE(DrawablePicture(SharedDib()).isNull());
}
