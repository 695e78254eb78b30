#include "render/artwork/PreviewPictures.h"

#include <mutex>

namespace roamplot {

QImage SampleMap(QSize shown) {
    static std::mutex guard;
    static QImage painted;
    const QSize needed = shown.boundedTo({SampleMapSide, SampleMapSide});
    const std::lock_guard<std::mutex> lock(guard);
    // Grown to cover every size asked for so far, so no size is painted twice.
    if (painted.isNull() || needed.width() > painted.width() || needed.height() > painted.height())
        painted = PaintSampleMap(needed.expandedTo(painted.size()));
    return painted;
}

const QImage& ToolbarStrip() {
    static const QImage picture = PaintToolbarStrip();
    return picture;
}

const QImage& DevicePicture() {
    static const QImage picture = PaintDevicePicture();
    return picture;
}

const QImage& SkyViewBackground() {
    static const QImage picture = PaintSkyViewBackground();
    return picture;
}

} // namespace roamplot
