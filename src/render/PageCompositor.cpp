#include "render/PageCompositor.h"

#include <algorithm>

#include "render/DrawBox.h"

namespace roamplot {

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

QImage ComposePage(const ScreenLayout& layout, int page, const RenderContext& context) {
    QImage image(std::max(1, context.DrawArea.Width), std::max(1, context.DrawArea.Height),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    if (page < 1 || page > MaxPages) return image;
    for (const ParameterBox& box : layout.PageAt(page).Boxes) DrawBox(image, box, page, context);
    return image;
}

} // namespace roamplot
