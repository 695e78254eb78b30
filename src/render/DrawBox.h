#pragma once
// Draws one box as the handheld draws it.
#include <QImage>

#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"
#include "render/TextFindings.h"

namespace roamplot {

// Draws the box at its place on the page image when it is in use on currentPage;
// the box clips everything it draws. The image must be RGB32 or ARGB32_Premultiplied.
// Titles and values wider than their area go to the sink.
void DrawBox(QImage& page, const ParameterBox& box, int currentPage, const RenderContext& context,
             const TextFindingSink* findings = nullptr);

// The colour of the box's Normal and Gradient fills.
Colour BaseFillColour(const ParameterBox& box);

// The box's ParameterId as a number (so "50" and "050" are one code), or -1.
int ParameterCode(const ParameterBox& box);

// The geometry every drawing of a box shares.
struct BoxGeometry {
    int W0, H0; // the box
    int b;      // the border width, 0 when not positive
    int Wi, Hi; // inside the border
    int r;      // the corner radius
};
BoxGeometry GeometryOf(const ParameterBox& box);

} // namespace roamplot
