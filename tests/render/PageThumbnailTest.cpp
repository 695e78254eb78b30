#include <gtest/gtest.h>

#include "render/PageThumbnail.h"

using namespace roamplot;

TEST(PageThumbnail, IsTwentyPixelsHighOrThirtyFourWide) {
    EXPECT_EQ(ThumbnailSize({240, 281}), (ScreenSize{17, 20}));
    EXPECT_EQ(ThumbnailSize({320, 201}), (ScreenSize{32, 20}));
    EXPECT_EQ(ThumbnailSize({640, 201}), (ScreenSize{34, 11}));
    EXPECT_EQ(ThumbnailSize({240, 0}), (ScreenSize{}));
}

TEST(PageThumbnail, ShrinksTheComposedPage) {
    ScreenLayout layout;
    ParameterBox& box = layout.Box(2, 1);
    box.PageNo = 2;
    box.Kind = BoxKind::Background;
    box.ParameterId = "902";
    box.Width = 240;
    box.Height = 281;
    box.BorderWidth = 0;
    box.TextBackColor = MakeColour(0, 0, 255);
    RenderContext context;
    context.DrawArea = {240, 281};

    EXPECT_FALSE(PageThumbnail(layout, 1, context));
    std::optional<Dib> thumbnail = MakeThumbnailRenderer(context)(layout, 2);
    ASSERT_TRUE(thumbnail);
    EXPECT_EQ(thumbnail->Width(), 17);
    EXPECT_EQ(thumbnail->Height(), 20);
    EXPECT_EQ(thumbnail->BitCount(), 24);
    // Bottom-up rows of blue, green, red: the middle pixel is the box's blue.
    const std::size_t middle = 10 * thumbnail->RowStride() + 8 * 3;
    EXPECT_EQ(thumbnail->Pixels.at(middle), 255);
    EXPECT_EQ(thumbnail->Pixels.at(middle + 2), 0);
}
