#pragma once
// The Gradient and Translucent back styles.
#include <QPainterPath>

#include "core/model/Colour.h"

namespace roamplot {

class BoxCanvas;

struct GradientColours {
    Colour Start;
    Colour End;
};
GradientColours GradientColoursFor(Colour colour);

// Horizontal bands from the start colour at y1 down to the end colour; the
// last band begins at y2 and is clipped only by the box.
void GradientFill(BoxCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour);
// Two thirds of the colour over one third of what lay below, inside the shape.
void TranslucentFill(BoxCanvas& canvas, const QPainterPath& shape, Colour colour);

inline constexpr int TranslucentAlpha = 170;
// One channel of the translucent colour, premultiplied by its alpha of 170 and
// rounded to nearest (v x 170 / 255 is never a half, so no tie rule is needed).
constexpr int TranslucentSourceChannel(int value) {
    return (value * TranslucentAlpha * 2 + 255) / 510;
}
// The blended channel: the premultiplied source plus the share of what lay
// below, that share rounded to nearest as well (never a half either).
constexpr int TranslucentBlend(int source, int below) {
    return source + (below * (255 - TranslucentAlpha) * 2 + 255) / 510;
}

} // namespace roamplot
