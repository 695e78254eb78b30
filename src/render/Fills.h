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

// One channel of the translucent colour, premultiplied by its alpha of 170.
int TranslucentSourceChannel(int value);
// The blended channel: the premultiplied source plus the share of what lay below.
int TranslucentBlend(int source, int below);

} // namespace roamplot
