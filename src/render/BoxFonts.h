#pragma once
// Every box text is Arial; point sizes turn into pixels as on a 96 dots per inch desktop.
#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace roamplot {

inline constexpr int DeviceDpi = 96;

// The pixel height of a font of the given point size (at least 1 pixel).
int PointsToPixels(int points);
QFont BoxFont(int points, bool bold);
// The toolkit's default size, for texts whose stored size is 0 and that have no other fallback.
QFont DefaultSizeFont(bool bold);

// The width of a text as the sum of its characters' advances, as the handheld
// measures it (no kerning, no shaping); quicker than shaping short texts.
int TextWidth(const QFontMetrics& metrics, const QString& text);

} // namespace roamplot
