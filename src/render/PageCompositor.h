#pragma once
// One page of the layout as one image at device resolution.
#include <QImage>

#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"
#include "render/TextFindings.h"

namespace roamplot {

// The boxes of the page drawn in slot order onto a white image of the drawing
// area's size, 1 image pixel per device pixel, 96 dots per inch; a later slot
// covers an earlier one and translucent fills show what lies below.
// Titles and values wider than their area are added to `findings` when given.
QImage ComposePage(const ScreenLayout& layout, int page, const RenderContext& context,
                   std::vector<BoxFinding>* findings = nullptr);

// Draws the part `area` of a composed page anew, as ComposePage would draw
// it: every box that reaches into the area is drawn again in slot order.
// Returns the slots drawn; the text findings of those slots are replaced.
std::vector<int> RecomposeArea(QImage& image, QRect area, const ScreenLayout& layout, int page,
                               const RenderContext& context, std::vector<BoxFinding>& findings);

} // namespace roamplot
