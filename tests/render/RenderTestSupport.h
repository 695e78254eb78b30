#pragma once
// Boxes and images for the drawing tests.
#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "core/model/ScreenLayout.h"
#include "plain/Records.h"
#include "render/BoxCanvas.h"
#include "render/RenderContext.h"

namespace roamplot::test {

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

using namespace roamplot;
using namespace roamplot::test;
