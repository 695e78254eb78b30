#pragma once
// The page thumbnails a parameter file carries.
#include <optional>

#include "core/model/Dib.h"
#include "core/model/ParameterFileWriter.h"
#include "core/model/ScreenLayout.h"
#include "render/RenderContext.h"

namespace roamplot {

// The thumbnail's size for a drawing area: scaled to 20 pixels high, or to 34
// pixels wide when that would make it wider.
ScreenSize ThumbnailSize(ScreenSize area);

// The composed page resampled to the thumbnail size, 24 bits a pixel; nothing
// when the page has no box in use.
std::optional<Dib> PageThumbnail(const ScreenLayout& layout, int page,
                                 const RenderContext& context);

// The writer's thumbnail renderer; the catalogue the context names must outlive it.
ThumbnailRenderer MakeThumbnailRenderer(const RenderContext& context);

} // namespace roamplot
