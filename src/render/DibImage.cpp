#include "render/DibImage.h"

#include "core/model/DibFile.h"

namespace roamplot {

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780;
}

QImage DibToQImage(const Dib& dib) {
    const int width = dib.Width();
    const int height = dib.Height();
    if (width <= 0 || height <= 0 ||
        dib.Pixels.size() < dib.RowStride() * static_cast<std::size_t>(height))
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const Colour c = DibPixel(dib, x, y);
            line[x] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
    }
    return image;
}

Dib DibFromQImage(const QImage& image) {
    Dib dib;
    if (image.isNull()) return dib;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    dib.Header.Width = rgb.width();
    dib.Header.Height = rgb.height();
    dib.Header.BitCount = 24;
    dib.Header.XPelsPerMeter = DotsPerMeterAt96Dpi;
    dib.Header.YPelsPerMeter = DotsPerMeterAt96Dpi;
    const std::size_t stride = dib.RowStride();
    dib.Pixels.assign(stride * static_cast<std::size_t>(rgb.height()), 0);
    dib.Header.SizeImage = static_cast<uint32_t>(dib.Pixels.size());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uint8_t* row = dib.Pixels.data() + static_cast<std::size_t>(rgb.height() - 1 - y) * stride;
        for (int x = 0; x < rgb.width(); ++x) {
            row[x * 3] = static_cast<uint8_t>(qBlue(line[x]));
            row[x * 3 + 1] = static_cast<uint8_t>(qGreen(line[x]));
            row[x * 3 + 2] = static_cast<uint8_t>(qRed(line[x]));
        }
    }
    return dib;
}

QImage WithKeyTransparent(const QImage& image) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const int width = keyed.width();
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((line[x] & 0xFFFFFF) == 0xFF00FF) line[x] = 0;
    }
    return keyed;
}

} // namespace roamplot
