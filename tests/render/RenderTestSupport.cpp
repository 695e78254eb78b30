#include "RenderTestSupport.h"

#include "render/DrawBox.h"

namespace roamplot::test {

ParameterBox MakeBox(const std::string& kind, int left, int top, int width, int height) {
    ParameterBox box;
    box.Kind = kind;
    box.PageNo = 1;
    box.ParameterId = std::to_string(1);
    box.Left = left;
    box.Top = top;
    box.Width = width;
    box.Height = height;
    return box;
}

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
