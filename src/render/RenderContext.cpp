#include "render/RenderContext.h"

namespace roamplot {

RenderContext MakeRenderContext(const ParameterCatalogue& catalogue,
                                const DesignerSettings& settings) {
    RenderContext context;
    context.Catalogue = &catalogue;
    context.DefaultUnits = settings.DefaultUnits;
    context.DrawArea = settings.Screen.DrawArea();
    return context;
}

} // namespace roamplot
