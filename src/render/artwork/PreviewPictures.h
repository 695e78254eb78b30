#pragma once
// The pictures the preview shows besides the boxes' own: all drawn by our code.
#include <QImage>

namespace roamplot {

struct PreviewPictures {
    QImage Map;     // 640 x 640, drawn in map boxes
    QImage Toolbar; // 640 x 39, the handheld program's bottom toolbar
    QImage Device;  // 172 x 268, 8 bits per pixel, a handheld seen from the front
    QImage SkyView; // 100 x 100, rings and cross, RGB(255,0,255) corners
};

// Drawn on first use and kept for the life of the process; needs a QGuiApplication.
const PreviewPictures& GeneratedPictures();

QImage PaintSampleMap();
QImage PaintToolbarStrip();
QImage PaintDevicePicture();
QImage PaintSkyViewBackground();

} // namespace roamplot
