#pragma once
// Boxes and images for the drawing tests.
#include <QImage>
#include <functional>
#include <string>

#include "core/model/ScreenLayout.h"
#include "render/BoxCanvas.h"
#include "render/RenderContext.h"

namespace roamplot::test {

// A box of the given kind on page 1 at (left, top), w x h, with no title and no border colour
// surprises.
ParameterBox MakeBox(const std::string& kind, int left, int top, int width, int height);
// The box drawn alone on an image of size w x h in one colour (page 1 current).
QImage DrawOver(const ParameterBox& box, Colour below, int width = 120, int height = 100,
                const RenderContext& context = RenderContext{});
inline QImage DrawAlone(const ParameterBox& box, int width = 120, int height = 100,
                        const RenderContext& context = RenderContext{}) {
    return DrawOver(box, White, width, height, context);
}
// An image of size w x h in one colour after `paint` drew on a canvas over `area`
// (the whole image when it is empty).
QImage Painted(int width, int height, Colour below, const std::function<void(BoxCanvas&)>& paint,
               QRect area = QRect());
// RGB of a pixel as a colour value (red in the low byte).
Colour PixelAt(const QImage& image, int x, int y);
// How many pixels of the rectangle have the colour.
int CountColour(const QImage& image, const QRect& area, Colour colour);

} // namespace roamplot::test
