#include "render/DrawBox.h"
#include "RenderTestSupport.h"
#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/ButtonFace.h"
#include "render/DibImage.h"
#include "render/Fills.h"
#include "render/artwork/PreviewPictures.h"
#include <QFontMetrics>
#include <set>

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

const Colour SymbolGreen = MakeColour(0, 180, 0);

// An 8 x 6 green picture with one magenta pixel in its top-left corner.
Dib GreenSymbol() {
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(ToQColor(SymbolGreen));
    image.setPixel(0, 0, qRgb(255, 0, 255));
    return DibFromQImage(image);
}

QRect ColourBounds(const QImage& image, Colour colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelAt(image, x, y) == colour) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

ParameterBox SymbolButton(int placement, const std::string& caption) {
    ParameterBox button = NewBox(1, BoxKind::Button, "1", 0, 0, 41, 31);
    button.ButtonStyle = 2;
    button.TitleBackColor = MakeColour(200, 200, 200);
    button.TitleText = caption;
    button.Symbol = GreenSymbol();
    button.SymbolPlacement = placement;
    return button;
}

} // namespace

// A free slot is left out in ComposePage.DrawsOnlyTheBoxesOfThePageInSlotOrder.
TEST(DrawBox, ABoxOfAnotherPageDrawsNothing) {
    ParameterBox box = NewBox(1, BoxKind::SingleParameter, "1", 10, 10, 50, 40);
    box.TextBackColor = Red;
    box.PageNo = 2;
    EXPECT_EQ(CountColour(DrawAlone(box), QRect(0, 0, 120, 100), White), 120 * 100);
    box.PageNo = 1;
    EXPECT_GT(CountColour(DrawAlone(box), QRect(0, 0, 120, 100), Red), 0);
}

TEST(DrawBox, NewBoxShowsOnlyTheDashedOutline) {
    ParameterBox box = NewBox(1, BoxKind::New, "1", 10, 10, 60, 30);
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
    ParameterBox box = NewBox(1, BoxKind::Background, "1", 10, 10, 60, 30);
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
    ParameterBox box = NewBox(1, BoxKind::Background, "1", 10, 10, 60, 40);
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
    ParameterBox box = NewBox(1, BoxKind::Background, "1", 0, 0, 30, 20);
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
    ParameterBox box = NewBox(1, BoxKind::MultiParameter, "1", 0, 0, 100, 80);
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
    ParameterBox value = NewBox(1, BoxKind::SingleParameter, "1", 0, 0, 60, 40);
    value.TextBackColor = TransparentKey;
    ParameterBox text = NewBox(1, BoxKind::Text, "1", 0, 0, 60, 40);
    text.TitleBackColor = TransparentKey;
    for (int style : {0, 3}) {
        value.TextBackStyle = text.TitleBackStyle = style;
        EXPECT_EQ(PixelAt(DrawOver(value, Green, 60, 40), 30, 30), Green) << style;
        EXPECT_EQ(PixelAt(DrawOver(text, Green, 60, 40), 30, 30), Green) << style;
    }
    ParameterBox button = NewBox(1, BoxKind::Button, "1", 0, 0, 60, 40);
    button.TitleBackColor = TransparentKey;
    button.TitleBackStyle = 3;
    const Colour blended =
        MakeColour(TranslucentBlend(TranslucentSourceChannel(255), 0), TranslucentBlend(0, 160),
                   TranslucentBlend(TranslucentSourceChannel(255), 0));
    EXPECT_EQ(PixelAt(DrawOver(button, Green, 60, 40), 30, 20), blended);

    // Any other translucent background blends with what lies below.
    ParameterBox box = NewBox(1, BoxKind::Background, "1", 0, 0, 60, 40);
    box.TextBackStyle = 3;
    box.TextBackColor = MakeColour(90, 150, 30);
    EXPECT_EQ(PixelAt(DrawOver(box, MakeColour(30, 60, 240), 60, 40), 30, 20),
              MakeColour(60 + 10, 100 + 20, 20 + 80));
}

TEST(DrawBox, GradientTitleOverGradientTextInTheSameColourIsOneGradient) {
    ParameterBox box = NewBox(1, BoxKind::SingleParameter, "1", 0, 0, 80, 60);
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
    ParameterBox button = NewBox(1, BoxKind::Button, "1", 0, 0, 60, 40);
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
        ParameterBox box = NewBox(1, kind, "1", 20, 20, 40, 30);
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
        ParameterBox box = NewBox(1, BoxKind::Map, "1", 0, 0, size.width(), size.height());
        box.BorderWidth = 0;
        const QImage page = DrawAlone(box, size.width(), size.height());
        const QRect inside =
            QRect(QPoint(1, 1), size.boundedTo(whole.size())).adjusted(0, 0, -2, -2);
        EXPECT_EQ(page.copy(inside), whole.copy(inside)) << size.width() << " x " << size.height();
    }
}

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

TEST(LayOutButton, PlacesCaptionAndSymbolByTheTable) {
    // Inner 100 x 60, caption 30 x 12, symbol 16 x 10, gap 5.
    auto place = [](int placement) { return LayOutButton(placement, 100, 60, 30, 12, 16, 10, 5); };
    const ButtonLayout none = place(0), top = place(1), bottom = place(2), left = place(3),
                       right = place(4), other = place(7);
    EXPECT_EQ(std::tuple(none.Left, none.Top, none.Right, none.Bottom, none.ShowsSymbol),
              std::tuple(35, 24, 66, 37, false));
    // 30 - 6 + 5 + 2.5 = 31.5, to the even 32; the symbol at (42 + 1, nearest(16.5) + 1).
    EXPECT_EQ(std::tuple(top.Top, top.Bottom, top.SymbolAt),
              std::tuple(32, 32 + 12 + 10 + 1, QPoint(43, 17)));
    // 30 - 6 - 5 - 2.5 = 16.5, to the even 16.
    EXPECT_EQ(std::tuple(bottom.Top, bottom.SymbolAt),
              std::tuple(16, QPoint(43, bottom.Bottom + 5)));
    // 50 - 25.5 = 24.5, to the even 24.
    EXPECT_EQ(std::tuple(left.SymbolAt, left.Left, left.Right),
              std::tuple(QPoint(24, 25), 24 + 16 + 5, 24 + 16 + 5 + 31));
    EXPECT_EQ(std::tuple(right.Left, right.SymbolAt), std::tuple(24, QPoint(24 + 31 + 5, 25)));
    EXPECT_EQ(std::tuple(other.Left, other.Top, other.Right, other.Bottom, other.ShowsSymbol),
              std::tuple(0, 0, 30, 12, false));
}

TEST(DrawButtonContent, SymbolWithoutCaptionIsCentredOnePixelRightAndDownWithKeyPixelsClear) {
    const QImage image = DrawAlone(SymbolButton(1, ""), 41, 31);
    // Inner 39 x 29: x = nearest(19.5 - 4) + 1 = 17, y = nearest(14.5 - 3) + 1 = 13.
    EXPECT_EQ(ColourBounds(image, SymbolGreen), QRect(17, 13, 8, 6));
    EXPECT_EQ(PixelAt(image, 17, 13), MakeColour(200, 200, 200));
}

TEST(DrawButtonContent, PlacementNoneOrOutOfRangeNeverDrawsTheSymbol) {
    for (int placement : {0, 5, -1}) {
        EXPECT_TRUE(
            ColourBounds(DrawAlone(SymbolButton(placement, "Go"), 41, 31), SymbolGreen).isEmpty());
        EXPECT_TRUE(
            ColourBounds(DrawAlone(SymbolButton(placement, ""), 41, 31), SymbolGreen).isEmpty());
    }
    ParameterBox hidden = SymbolButton(1, "Go");
    hidden.TitleFontSize = 0; // a caption of size 0 is not shown: the symbol is centred
    EXPECT_EQ(ColourBounds(DrawAlone(hidden, 41, 31), SymbolGreen), QRect(17, 13, 8, 6));
}

TEST(DrawButtonContent, SymbolLeftOfTheCaptionSitsLeftOfTheText) {
    ParameterBox button = SymbolButton(3, "Go");
    button.Width = 101;
    button.TitleForeColor = Black;
    const QImage image = DrawAlone(button, 101, 31);
    const QRect symbol = ColourBounds(image, SymbolGreen);
    ASSERT_FALSE(symbol.isEmpty());
    int firstDark = -1;
    for (int x = 0; x < 101 && firstDark < 0; ++x)
        for (int y = 0; y < 31; ++y)
            if (qGray(image.pixel(x, y)) < 80) firstDark = x;
    EXPECT_GE(firstDark, symbol.right() + 5);
}
