#include "render/PageThumbnail.h"

#include <algorithm>
#include <cmath>

#include "render/DibImage.h"
#include "render/PageCompositor.h"

namespace roamplot {

ScreenSize ThumbnailSize(ScreenSize area) {
    if (area.Width <= 0 || area.Height <= 0) return {};
    double factor = 20.0 / area.Height;
    if (factor * area.Width > 34) factor = 34.0 / area.Width;
    return {std::max(1, static_cast<int>(std::lround(area.Width * factor))),
            std::max(1, static_cast<int>(std::lround(area.Height * factor)))};
}

std::optional<Dib> PageThumbnail(const ScreenLayout& layout, int page,
                                 const RenderContext& context) {
    const ScreenSize size = ThumbnailSize(context.DrawArea);
    if (layout.BoxCount(page) == 0 || size.Width == 0) return std::nullopt;
    const QImage composed = ComposePage(layout, page, context);
    if (composed.isNull()) return std::nullopt;
    return DibFromQImage(
        composed.scaled(size.Width, size.Height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

ThumbnailRenderer MakeThumbnailRenderer(const RenderContext& context) {
    return [context](const ScreenLayout& layout, int page) {
        return PageThumbnail(layout, page, context);
    };
}

} // namespace roamplot
