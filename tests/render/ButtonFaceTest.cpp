#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/BoxCanvas.h"
#include "render/ButtonFace.h"
#include "render/DibImage.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {
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
    ParameterBox button = MakeBox(BoxKind::Button, 0, 0, 41, 31);
    button.ButtonStyle = 2;
    button.TitleBackColor = MakeColour(200, 200, 200);
    button.TitleText = caption;
    button.Symbol = GreenSymbol();
    button.SymbolPlacement = placement;
    return button;
}
} // namespace

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
