#include "render/PageCompositor.h"

#include <algorithm>

#include "render/DrawBox.h"

namespace roamplot {

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

QImage ComposePage(const ScreenLayout& layout, int page, const RenderContext& context,
                   std::vector<BoxFinding>* findings) {
    QImage image(std::max(1, context.DrawArea.Width), std::max(1, context.DrawArea.Height),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(Qt::white);
    if (page < 1 || page > MaxPages) return image;
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        const ParameterBox& box = layout.Box(page, slot);
        if (!findings) {
            DrawBox(image, box, page, context);
            continue;
        }
        const TextFindingSink sink{*findings, page, slot};
        DrawBox(image, box, page, context, &sink);
    }
    return image;
}

} // namespace roamplot
