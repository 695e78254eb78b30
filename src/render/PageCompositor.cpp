#include "render/PageCompositor.h"

#include <QPainter>
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

std::vector<int> RecomposeArea(QImage& image, QRect area, const ScreenLayout& layout, int page,
                               const RenderContext& context, std::vector<BoxFinding>& findings) {
    std::vector<int> drawn;
    area &= image.rect();
    if (area.isEmpty() || page < 1 || page > MaxPages) return drawn;
    QRect reach = area;
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        const ParameterBox& box = layout.Box(page, slot);
        if (box.InUse() && QRect(box.Left, box.Top, box.Width, box.Height).intersects(area)) {
            drawn.push_back(slot);
            reach |= QRect(box.Left, box.Top, box.Width, box.Height);
        }
    }
    // Each box clips itself to its own rectangle, so the boxes that reach
    // into the area are drawn whole on a scratch copy of their reach, and
    // only the area is copied back: translucent fills outside it are not
    // blended a second time.
    reach &= image.rect();
    QImage scratch(reach.size(), image.format());
    scratch.setDotsPerMeterX(image.dotsPerMeterX());
    scratch.setDotsPerMeterY(image.dotsPerMeterY());
    scratch.setOffset(reach.topLeft());
    scratch.fill(Qt::white);
    std::erase_if(findings, [&](const BoxFinding& f) {
        return f.Kind != FindingKind::PartlyOutside &&
               std::find(drawn.begin(), drawn.end(), f.Slot) != drawn.end();
    });
    for (int slot : drawn) {
        ParameterBox shifted = layout.Box(page, slot);
        shifted.Left -= reach.left();
        shifted.Top -= reach.top();
        const TextFindingSink sink{findings, page, slot};
        DrawBox(scratch, shifted, page, context, &sink);
    }
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), scratch, area.translated(-reach.topLeft()));
    return drawn;
}

} // namespace roamplot
