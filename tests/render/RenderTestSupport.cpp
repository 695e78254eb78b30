#include "RenderTestSupport.h"

#include "render/DrawBox.h"

namespace roamplot::test {

QImage DrawOver(const ParameterBox& box, Colour below, int width, int height,
                const RenderContext& context) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(below));
    DrawBox(image, box, 1, context);
    return image;
}

QImage Painted(int width, int height, Colour below, const std::function<void(BoxCanvas&)>& paint,
               QRect area) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQColor(below));
    {
        BoxCanvas canvas(image, area.isEmpty() ? image.rect() : area);
        paint(canvas);
    }
    return image;
}

Colour PixelAt(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return MakeColour(qRed(p), qGreen(p), qBlue(p));
}

int CountColour(const QImage& image, const QRect& area, Colour colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (PixelAt(image, x, y) == colour) ++count;
    return count;
}

} // namespace roamplot::test
