#pragma once
// Boxes and images for the drawing tests.
#include <QImage>
#include <string>

#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"

namespace roamplot::test {

// A box of the given kind on page 1 at (left, top), w x h, with no title and no border colour
// surprises.
ParameterBox MakeBox(const std::string& kind, int left, int top, int width, int height);
// The box drawn alone on a white image of size w x h (page 1 current).
QImage DrawAlone(const ParameterBox& box, int width = 120, int height = 100,
                 const RenderContext& context = RenderContext{});
// RGB of a pixel as a colour value (red in the low byte).
Colour PixelAt(const QImage& image, int x, int y);
// How many pixels of the rectangle have the colour.
int CountColour(const QImage& image, const QRect& area, Colour colour);

} // namespace roamplot::test
