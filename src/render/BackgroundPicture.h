#pragma once
// The picture of a background box: centred, stretched or tiled below the title.
#include "core/model/ScreenLayout.h"

namespace roamplot {

class BoxCanvas;
struct BoxGeometry;

void DrawBackgroundPicture(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                           int titleHeight);

} // namespace roamplot
