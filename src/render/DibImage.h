#pragma once
// Conversions between the core's device-independent bitmaps and Qt images.
#include <QImage>

#include "core/model/Dib.h"

namespace roamplot {

// An opaque RGB32 image; an empty Dib gives a null image.
QImage DibToQImage(const Dib& dib);
// A 24-bit Dib of the image, rows bottom-up, 96 dots per inch.
Dib DibFromQImage(const QImage& image);
// The image with its RGB(255,0,255) pixels made fully transparent.
QImage WithKeyTransparent(const QImage& image);

} // namespace roamplot
