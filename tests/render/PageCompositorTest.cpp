#include "render/PageCompositor.h"
#include "RenderTestSupport.h"
#include "render/PageThumbnail.h"

namespace {
const Colour Red = MakeColour(255, 0, 0);
const Colour Green = MakeColour(0, 200, 0);

ParameterBox FilledBackground(int page, int left, Colour colour) {
    ParameterBox box = NewBox(1, BoxKind::Background, "1", left, 10, 40, 30);
    box.PageNo = page;
    box.TextBackColor = colour;
    box.BorderColor = colour; // with the fill below the empty title row, a solid box
    return box;
}
} // namespace

TEST(ComposePage, DrawsOnlyTheBoxesOfThePageInSlotOrder) {
    ScreenLayout layout;
    RenderContext context;
    context.DrawArea = {200, 100};
    layout.Box(2, 1) = FilledBackground(2, 10, Red);
    layout.Box(2, 2) = FilledBackground(2, 30, Green); // overlaps slot 1 from x = 30
    layout.Box(3, 1) = FilledBackground(3, 100, Red);
    layout.Box(2, 3) = FilledBackground(2, 140, Red);
    layout.Box(2, 3).PageNo = 0; // a free slot keeps its rectangle but is not drawn

    const QImage image = ComposePage(layout, 2, context);
    EXPECT_EQ(std::tuple(image.size(), image.dotsPerMeterX()), std::tuple(QSize(200, 100), 3780));
    // Slot 2 over slot 1; white where page 3's box and the free slot lie.
    EXPECT_EQ(std::tuple(PixelAt(image, 20, 20), PixelAt(image, 35, 20), PixelAt(image, 110, 20),
                         PixelAt(image, 150, 20)),
              std::tuple(Red, Green, White, White));
    EXPECT_EQ(CountColour(image, image.rect(), White), 200 * 100 - 60 * 30);
}

TEST(ComposePage, BoxesAreClippedByTheirOwnRectangleAndTheImage) {
    ScreenLayout layout;
    RenderContext context;
    context.DrawArea = {60, 50};
    ParameterBox big = FilledBackground(1, 40, Red);
    big.Top = 30;
    layout.Box(1, 1) = big;
    const QImage image = ComposePage(layout, 1, context);
    EXPECT_EQ(CountColour(image, image.rect(), Red), 20 * 20);
    EXPECT_EQ(ComposePage(layout, 0, context).size(), QSize(60, 50));
    EXPECT_EQ(ComposePage(layout, 21, context).size(), QSize(60, 50));
}

TEST(PageThumbnail, IsTwentyPixelsHighOrThirtyFourWide) {
    EXPECT_EQ(ThumbnailSize({240, 281}), (ScreenSize{17, 20}));
    EXPECT_EQ(ThumbnailSize({320, 201}), (ScreenSize{32, 20}));
    EXPECT_EQ(ThumbnailSize({640, 201}), (ScreenSize{34, 11}));
    EXPECT_EQ(ThumbnailSize({240, 0}), (ScreenSize{}));
}

TEST(PageThumbnail, ShrinksTheComposedPage) {
    ScreenLayout layout;
    ParameterBox& box = layout.Box(2, 1) = NewBox(1, BoxKind::Background, "1", 0, 0, 240, 281);
    box.PageNo = 2;
    box.ParameterId = "902";
    box.BorderWidth = 0;
    box.TextBackColor = MakeColour(0, 0, 255);
    RenderContext context;
    context.DrawArea = {240, 281};

    EXPECT_FALSE(PageThumbnail(layout, 1, context));
    std::optional<Dib> thumbnail = MakeThumbnailRenderer(context)(layout, 2);
    ASSERT_TRUE(thumbnail);
    // Bottom-up rows of blue, green, red: the middle pixel is the box's blue.
    const std::size_t middle = 10 * thumbnail->RowStride() + 8 * 3;
    EXPECT_EQ(std::tuple(thumbnail->Width(), thumbnail->Height(), thumbnail->BitCount(),
                         thumbnail->Pixels.at(middle), thumbnail->Pixels.at(middle + 2)),
              std::tuple(17, 20, 24, 255, 0));
}
