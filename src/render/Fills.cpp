#include "render/Fills.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "render/BoxCanvas.h"
#include "render/Rounding.h"

namespace roamplot {

namespace {
constexpr int TranslucentAlpha = 170;

// Colour values 1 to 6 stand for the handheld's stock gradients.
constexpr std::array<GradientColours, 6> StockGradients{{
    {MakeColour(57, 109, 165), MakeColour(149, 182, 219)},
    {MakeColour(111, 128, 166), MakeColour(208, 214, 225)},
    {MakeColour(255, 255, 125), MakeColour(255, 255, 230)},
    {MakeColour(157, 32, 0), MakeColour(255, 124, 91)},
    {MakeColour(92, 103, 94), MakeColour(186, 194, 187)},
    {MakeColour(18, 0, 242), MakeColour(165, 157, 255)},
}};

int Lighter(int v) {
    return std::min(255, Nearest(v + (255 - v) * 0.7));
}
} // namespace

GradientColours GradientColoursFor(Colour colour) {
    const Colour c = colour & 0xFFFFFF;
    if (c >= 1 && c <= 6) return StockGradients[static_cast<std::size_t>(c - 1)];
    if (c == Black) return {Black, MakeColour(150, 150, 150)};
    return {c, MakeColour(Lighter(RedOf(c)), Lighter(GreenOf(c)), Lighter(BlueOf(c)))};
}

void GradientFill(BoxCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour) {
    const GradientColours pair = GradientColoursFor(colour);
    const int dR = RedOf(pair.End) - RedOf(pair.Start);
    const int dG = GreenOf(pair.End) - GreenOf(pair.Start);
    const int dB = BlueOf(pair.End) - BlueOf(pair.Start);
    const int n = std::max({std::abs(dR), std::abs(dG), std::abs(dB), 1});
    const double h = static_cast<double>(y2 - y1) / n;
    const double stepR = static_cast<double>(dR) / n;
    const double stepG = static_cast<double>(dG) / n;
    const double stepB = static_cast<double>(dB) / n;
    for (int i = 0; i <= n; ++i) {
        const int top = Nearest(i * h) + y1;
        const int bottom = Nearest((i + 1) * h) + y1;
        if (bottom <= top) continue; // an empty band paints nothing
        canvas.FillRect(x1, top, x2, bottom,
                        MakeColour(RedOf(pair.Start) + Nearest(i * stepR),
                                   GreenOf(pair.Start) + Nearest(i * stepG),
                                   BlueOf(pair.Start) + Nearest(i * stepB)));
    }
}

void TranslucentFill(BoxCanvas& canvas, const QPainterPath& shape, Colour colour) {
    canvas.BlendPath(shape, colour);
}

int TranslucentSourceChannel(int value) {
    return Nearest(value * TranslucentAlpha / 255.0);
}

int TranslucentBlend(int source, int below) {
    return source + Nearest(below * (255 - TranslucentAlpha) / 255.0);
}

} // namespace roamplot
