#include <gtest/gtest.h>

#include <QFontMetrics>

#include "RenderTestSupport.h"
#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DibImage.h"
#include "render/DrawBox.h"
#include "render/Fills.h"
#include "render/artwork/PreviewPictures.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
const Colour Red = MakeColour(255, 0, 0);
const Colour Green = MakeColour(0, 160, 0);
const Colour Blue = MakeColour(0, 0, 200);

// Every pixel outside the rectangle keeps the colour below.
bool UntouchedOutside(const QImage& image, const QRect& box, Colour below) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!box.contains(x, y) && PixelAt(image, x, y) != below) return false;
    return true;
}
} // namespace

// A free slot is left out in ComposePage.DrawsOnlyTheBoxesOfThePageInSlotOrder.
TEST(DrawBox, ABoxOfAnotherPageDrawsNothing) {
    ParameterBox box = MakeBox(BoxKind::SingleParameter, 10, 10, 50, 40);
    box.TextBackColor = Red;
    box.PageNo = 2;
    EXPECT_EQ(CountColour(DrawAlone(box), QRect(0, 0, 120, 100), White), 120 * 100);
    box.PageNo = 1;
    EXPECT_GT(CountColour(DrawAlone(box), QRect(0, 0, 120, 100), Red), 0);
}

TEST(DrawBox, NewBoxShowsOnlyTheDashedOutline) {
    ParameterBox box = MakeBox(BoxKind::New, 10, 10, 60, 30);
    box.TitleText = "123";
    box.TextBackColor = box.TitleBackColor = box.BorderColor = Red;
    box.BorderWidth = 3;
    const QImage image = DrawOver(box, Green);
    EXPECT_EQ(CountColour(image, image.rect(), Black) + CountColour(image, image.rect(), Green),
              120 * 100);
    // Dashes along the top edge, nothing inside.
    EXPECT_EQ(PixelAt(image, 10, 10), Black);
    EXPECT_GT(CountColour(image, QRect(10, 10, 60, 1), Green), 0);
    EXPECT_EQ(CountColour(image, QRect(11, 11, 58, 28), Green), 58 * 28);
}

TEST(DrawBox, BorderWidthZeroPutsTheDashedOutlineOnTheEdgeAndTheMarkOnTheSameRectangle) {
    ParameterBox box = MakeBox(BoxKind::Background, 10, 10, 60, 30);
    box.BorderWidth = 0;
    box.TextBackColor = Green;
    QImage image = DrawOver(box, White);
    EXPECT_EQ(PixelAt(image, 10, 10), Black);
    EXPECT_GT(CountColour(image, QRect(69, 10, 1, 30), Black), 0);
    EXPECT_GT(CountColour(image, QRect(10, 39, 60, 1), Green), 0); // gaps between dashes
    EXPECT_EQ(PixelAt(image, 11, 12), Green);

    box.Selected = 1;
    image = DrawOver(box, White);
    EXPECT_EQ(CountColour(image, QRect(10, 10, 60, 2), Red), 120); // a 3-pixel pen centred on row 0
    EXPECT_EQ(PixelAt(image, 40, 12), Green);
    EXPECT_TRUE(UntouchedOutside(image, QRect(10, 10, 60, 30), White));
}

TEST(DrawBox, SelectionMarkIsRedAndThreePixelsWideOverTheBorder) {
    ParameterBox box = MakeBox(BoxKind::Background, 10, 10, 60, 40);
    box.BorderWidth = 3;
    box.BorderColor = Blue;
    box.TextBackColor = Green;
    QImage image = DrawOver(box, White);
    for (int x = 10; x < 13; ++x) EXPECT_EQ(PixelAt(image, x, 30), Blue);
    EXPECT_EQ(PixelAt(image, 13, 30), Green);

    box.Selected = 1;
    image = DrawOver(box, White);
    for (int x : {10, 11, 12, 67, 68, 69}) EXPECT_EQ(PixelAt(image, x, 30), Red) << x;
    EXPECT_EQ(PixelAt(image, 13, 30), Green);
    EXPECT_EQ(PixelAt(image, 66, 30), Green);
    for (int y : {10, 11, 12, 47, 48, 49}) EXPECT_EQ(PixelAt(image, 40, y), Red) << y;

    box.BorderWidth = 4; // the mark's rectangle moves in to (2, 2)
    image = DrawOver(box, White);
    EXPECT_EQ(PixelAt(image, 10, 30), Blue);
    for (int x = 11; x < 14; ++x) EXPECT_EQ(PixelAt(image, x, 30), Red) << x;
}

TEST(DrawBox, BorderIsARingOfItsWidthInItsColour) {
    ParameterBox box = MakeBox(BoxKind::Background, 0, 0, 30, 20);
    box.TextBackColor = Green;
    for (int width : {1, 2, 3, 5}) {
        box.BorderWidth = width;
        box.BorderColor = Blue;
        const QImage image = DrawOver(box, White, 30, 20);
        EXPECT_EQ(CountColour(image, QRect(0, 10, 30, 1), Blue), 2 * width) << width;
        EXPECT_EQ(CountColour(image, QRect(15, 0, 1, 20), Blue), 2 * width) << width;
    }
    box.BorderColor = TransparentKey; // an invisible border gives the design outline instead
    EXPECT_EQ(PixelAt(DrawOver(box, White, 30, 20), 0, 0), Black);
}

TEST(DrawBox, ProfileCodesGetAWhiteBaseFill) {
    ParameterBox box = MakeBox(BoxKind::MultiParameter, 0, 0, 100, 80);
    box.TextBackStyle = 1; // Gradient, in the base fill colour
    box.TextBackColor = Red;
    box.ParameterId = "149";
    const Colour top = PixelAt(DrawOver(box, White, 100, 80), 96, 1); // a red gradient's first row
    EXPECT_EQ(RedOf(top), 255);
    EXPECT_LT(GreenOf(top), 5);
    for (const char* code : {"150", "151"}) {
        box.ParameterId = code;
        EXPECT_EQ(BaseFillColour(box), White);
        EXPECT_EQ(PixelAt(DrawOver(box, Green, 100, 80), 96, 1), White) << code;
    }
    box.Kind = BoxKind::Button;
    EXPECT_EQ(BaseFillColour(box), White);
    box.ParameterId = "1001";
    EXPECT_EQ(BaseFillColour(box), box.TitleBackColor);
}

TEST(DrawBox, FillsInTheKeyColourAreSkippedButNotOnTranslucentButtonsAndOthersBlend) {
    ParameterBox value = MakeBox(BoxKind::SingleParameter, 0, 0, 60, 40);
    value.TextBackColor = TransparentKey;
    ParameterBox text = MakeBox(BoxKind::Text, 0, 0, 60, 40);
    text.TitleBackColor = TransparentKey;
    for (int style : {0, 3}) {
        value.TextBackStyle = text.TitleBackStyle = style;
        EXPECT_EQ(PixelAt(DrawOver(value, Green, 60, 40), 30, 30), Green) << style;
        EXPECT_EQ(PixelAt(DrawOver(text, Green, 60, 40), 30, 30), Green) << style;
    }
    ParameterBox button = MakeBox(BoxKind::Button, 0, 0, 60, 40);
    button.TitleBackColor = TransparentKey;
    button.TitleBackStyle = 3;
    const Colour blended =
        MakeColour(TranslucentBlend(TranslucentSourceChannel(255), 0), TranslucentBlend(0, 160),
                   TranslucentBlend(TranslucentSourceChannel(255), 0));
    EXPECT_EQ(PixelAt(DrawOver(button, Green, 60, 40), 30, 20), blended);

    // Any other translucent background blends with what lies below.
    ParameterBox box = MakeBox(BoxKind::Background, 0, 0, 60, 40);
    box.TextBackStyle = 3;
    box.TextBackColor = MakeColour(90, 150, 30);
    EXPECT_EQ(PixelAt(DrawOver(box, MakeColour(30, 60, 240), 60, 40), 30, 20),
              MakeColour(60 + 10, 100 + 20, 20 + 80));
}

TEST(DrawBox, GradientTitleOverGradientTextInTheSameColourIsOneGradient) {
    ParameterBox box = MakeBox(BoxKind::SingleParameter, 0, 0, 80, 60);
    box.TitleText = "T";
    box.TitleFontSize = 12;
    box.TitleBackStyle = 1;
    box.TextBackStyle = 1;
    box.TitleBackColor = box.TextBackColor = MakeColour(0, 0, 160);
    const QImage drawn = DrawOver(box, White, 80, 60);

    const QImage whole = Painted(80, 60, White, [&box](BoxCanvas& canvas) {
        GradientFill(canvas, 0, 0, 80, 60, box.TextBackColor);
    });
    const int tH = QFontMetrics(BoxFont(12, true)).height();
    for (int y = 1; y < 59; ++y) EXPECT_EQ(PixelAt(drawn, 3, y), PixelAt(whole, 3, y)) << y;

    box.TitleBackColor = MakeColour(160, 0, 0); // now the strip has its own gradient
    const Colour strip = PixelAt(DrawOver(box, White, 80, 60), 3, 1);
    EXPECT_GE(RedOf(strip), 160);
    EXPECT_LT(BlueOf(strip), 10);
    EXPECT_EQ(PixelAt(DrawOver(box, White, 80, 60), 3, tH + 4), PixelAt(whole, 3, tH + 4));
}

TEST(DrawBox, RoundGradientButtonIsAPlainEllipse) {
    ParameterBox button = MakeBox(BoxKind::Button, 0, 0, 60, 40);
    button.ButtonStyle = 3;
    button.TitleBackStyle = 1;
    button.TitleBackColor = Blue;
    const QImage image = DrawOver(button, White, 60, 40);
    EXPECT_EQ(std::tuple(PixelAt(image, 30, 2), PixelAt(image, 30, 37), PixelAt(image, 1, 1),
                         PixelAt(image, 58, 38)),
              std::tuple(Blue, Blue, White, White));

    button.ButtonStyle = 1; // any other style shows the gradient
    EXPECT_NE(PixelAt(DrawOver(button, White, 60, 40), 30, 37), Blue);
}

TEST(DrawBox, OutOfRangeValuesAndDegenerateSizesDrawInsideTheBoxOrNothing) {
    for (const char* kind : {"sp", "mp", "np", "bb", "bg", "txt", "map", "new", "zz"}) {
        ParameterBox box = MakeBox(kind, 20, 20, 40, 30);
        box.TitleText = "A rather long title that does not fit";
        box.TestText = "123456789012345";
        box.TitleBackStyle = 9;
        box.TextBackStyle = -2;
        box.ButtonStyle = 7;
        box.SymbolPlacement = 11;
        box.BorderWidth = 60;
        box.BorderRadius = -5;
        box.TitleFontSize = 400;
        box.TextFontSize = -3;
        box.Selected = 1;
        for (const char* code : {"150", "163", "168", "169", "170", "172", "173", "174", "360"}) {
            box.ParameterId = code;
            EXPECT_TRUE(UntouchedOutside(DrawOver(box, White), QRect(20, 20, 40, 30), White))
                << kind << code;
        }
        for (auto [w, h] : {std::pair{0, 30}, {40, 0}, {-4, -4}, {1, 1}}) {
            box.Width = w;
            box.Height = h;
            EXPECT_TRUE(UntouchedOutside(DrawOver(box, White),
                                         QRect(20, 20, std::max(w, 0), std::max(h, 0)), White))
                << kind << w << "x" << h;
        }
    }
}

// The map is painted only as far as the boxes asked for so far reach; a part
// must hold the very pixels of the whole map, or thumbnails would change with
// the order boxes are drawn in.
TEST(DrawBox, AMapBoxShowsTheTopLeftOfTheWholeSampleMapWhateverWasDrawnBefore) {
    const QImage whole = PaintSampleMap({SampleMapSide, SampleMapSide});
    for (const QSize size : {QSize(60, 30), QSize(300, 200), QSize(200, 700)}) {
        ParameterBox box = MakeBox(BoxKind::Map, 0, 0, size.width(), size.height());
        box.BorderWidth = 0;
        const QImage page = DrawAlone(box, size.width(), size.height());
        const QRect inside =
            QRect(QPoint(1, 1), size.boundedTo(whole.size())).adjusted(0, 0, -2, -2);
        EXPECT_EQ(page.copy(inside), whole.copy(inside)) << size.width() << " x " << size.height();
    }
}
