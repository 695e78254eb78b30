#include "render/artwork/PreviewPictures.h"

namespace roamplot {

const PreviewPictures& GeneratedPictures() {
    static const PreviewPictures pictures{PaintSampleMap(), PaintToolbarStrip(),
                                          PaintDevicePicture(), PaintSkyViewBackground()};
    return pictures;
}

} // namespace roamplot
