#pragma once
// The pictures the preview shows besides the boxes' own: all drawn by our
// code, each when first asked for and kept for the life of the process. They
// need a QGuiApplication.
#include <QImage>
#include <QSize>

namespace roamplot {

inline constexpr int SampleMapSide = 640;

// Map boxes show the sample map (640 x 640 in full) from its top-left corner:
// the picture given covers at least `shown` of it, or the whole map. Only as
// much as has been asked for is painted.
QImage SampleMap(QSize shown);
const QImage& ToolbarStrip();      // 640 x 39, the handheld program's bottom toolbar
const QImage& DevicePicture();     // 172 x 268, a handheld seen from the front
const QImage& SkyViewBackground(); // 100 x 100, rings and cross, RGB(255,0,255) corners

// The top-left part of the sample map of the given size (the whole of it is
// 640 x 640): the same pixels as that part of the whole map.
QImage PaintSampleMap(QSize size);
QImage PaintToolbarStrip();
QImage PaintDevicePicture();
QImage PaintSkyViewBackground();

} // namespace roamplot
