#pragma once
// A box's picture as the painter takes it, converted once per picture and
// kept while any box still holds that picture, not remade at every draw.
#include <QImage>

#include "core/model/SharedDib.h"

namespace roamplot {

// An opaque image; null when there is no picture or it cannot be shown.
QImage DrawablePicture(const SharedDib& picture);
// The same with the handheld's transparent key colour made transparent.
QImage DrawableKeyedPicture(const SharedDib& picture);

} // namespace roamplot
