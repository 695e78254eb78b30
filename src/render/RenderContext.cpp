#include "render/RenderContext.h"

#include "render/artwork/PreviewPictures.h"

namespace roamplot {

RenderContext MakeRenderContext(const ParameterCatalogue& catalogue,
                                const DesignerSettings& settings) {
    RenderContext context;
    context.Catalogue = &catalogue;
    context.DefaultUnits = settings.DefaultUnits;
    context.DrawArea = settings.Screen.DrawArea();
    return context;
}

const PreviewPictures& PicturesOf(const RenderContext& context) {
    return context.Pictures ? *context.Pictures : GeneratedPictures();
}

} // namespace roamplot
