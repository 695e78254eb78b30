#include "render/BoxFonts.h"

#include <QGuiApplication>
#include <algorithm>

namespace roamplot {

int PointsToPixels(int points) {
    // Rounded as the desktop's font mapping does (half away from zero).
    const long long scaled = static_cast<long long>(points) * DeviceDpi;
    return std::max(1, static_cast<int>((scaled + 36) / 72));
}

namespace {
QFont ArialOfPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    // The handheld spaces characters by their advances alone.
    font.setKerning(false);
    return font;
}
} // namespace

QFont BoxFont(int points, bool bold) {
    return ArialOfPixels(PointsToPixels(points), bold);
}

QFont DefaultSizeFont(bool bold) {
    const QFont application = QGuiApplication::font();
    const int pixels = application.pointSize() > 0 ? PointsToPixels(application.pointSize())
                                                   : application.pixelSize();
    return ArialOfPixels(pixels, bold);
}

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    int width = 0;
    for (const QChar c : text) width += metrics.horizontalAdvance(c);
    return width;
}

} // namespace roamplot
