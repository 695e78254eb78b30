#pragma once
// The contact sheet: every drawing rule side by side, labelled.
#include <QImage>

#include "render/RenderContext.h"

namespace roamplot::gallery {

QImage MakeGallerySheet(const RenderContext& context);

} // namespace roamplot::gallery
