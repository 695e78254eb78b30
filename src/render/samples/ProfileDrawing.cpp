#include "render/samples/ProfileDrawing.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/Fills.h"
#include "render/Rounding.h"
#include "render/samples/SampleData.h"
#include "render/samples/SpecialDrawings.h"

namespace roamplot {

namespace {

constexpr int OriginX = 38;
constexpr int BelowAxis = 24;
constexpr int TickLength = 4;
constexpr std::array<double, 25> TickSeries{
    0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1,  0.2,  0.5,   1,     2,      5,     10,
    20,    50,    100,   200,  500,  1000, 2000, 5000, 10000, 50000, 100000, 200000};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Fixed-point with as many decimals as the step needs, trailing zeros trimmed.
QString TickLabel(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0'))) text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

void DrawProfile(BoxCanvas& canvas, const ParameterBox& box, int titleHeight, bool speed) {
    const ProfileUnits units = speed ? SpeedUnits(box.Units) : AltitudeUnits(box.Units);
    const std::vector<TrackPoint>& track = SampleTrack();
    std::vector<double> values;
    values.reserve(track.size());
    for (const TrackPoint& point : track)
        values.push_back((speed ? point.Speed : point.Altitude) * units.Factor);
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const double firstDistance = track.front().Distance, lastDistance = track.back().Distance;

    const int originY = box.Height - BelowAxis;
    const int pw = std::max(1, box.Width - OriginX - 8);
    const int ph = std::max(1, originY - titleHeight - 8);
    if (box.TextBackStyle == 1)
        GradientFill(canvas, OriginX, originY - ph, OriginX + pw, originY, box.TextBackColor);

    double valuePerPixel = (*highest - *lowest) / ph;
    if (valuePerPixel == 0) valuePerPixel = 10;
    double distancePerPixel = (lastDistance - firstDistance) / pw;
    if (distancePerPixel == 0) distancePerPixel = 10;

    QPainter& p = canvas.Painter();
    p.setFont(SampleFont(box, 6));
    const QFontMetrics m = p.fontMetrics();
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(OriginX, originY, OriginX + pw, originY);
    p.drawLine(OriginX, originY, OriginX, originY - ph);

    // Horizontal ticks: far enough apart for labels such as "40.5".
    const double distanceStep =
        TickStep(distancePerPixel, TextWidth(m, QStringLiteral("00.00")) + 4);
    for (double d = std::ceil(firstDistance / distanceStep) * distanceStep;
         d <= lastDistance + 1e-9; d += distanceStep) {
        const int x = OriginX + Nearest((d - firstDistance) / distancePerPixel);
        p.drawLine(x, originY + 1, x, originY + TickLength);
        const QString label = TickLabel(d, distanceStep);
        canvas.DrawText(x - TextWidth(m, label) / 2, originY + TickLength + 1, label);
    }
    const QString distanceTitle = QStringLiteral("Distance  km");
    canvas.DrawText(OriginX + pw / 2 - TextWidth(m, distanceTitle) / 2,
                    originY + TickLength + 1 + m.height(), distanceTitle);

    const double valueStep = TickStep(valuePerPixel, 2 * m.height());
    for (double v = std::ceil(*lowest / valueStep) * valueStep; v <= *highest + 1e-9;
         v += valueStep) {
        const int y = originY - Nearest((v - *lowest) / valuePerPixel);
        p.drawLine(OriginX - TickLength, y, OriginX - 1, y);
        const QString label = TickLabel(v, valueStep);
        canvas.DrawText(OriginX - TickLength - 2 - TextWidth(m, label), y - m.height() / 2, label);
    }
    const QString valueTitle =
        QString::fromLatin1(speed ? "Speed  " : "Altitude  ") + QString::fromStdString(units.Shown);
    p.save();
    p.translate(1, originY - ph / 2 + TextWidth(m, valueTitle) / 2);
    p.rotate(-90);
    p.drawText(0, m.ascent(), valueTitle);
    p.restore();

    QPolygon curve;
    curve.reserve(static_cast<qsizetype>(track.size()));
    for (std::size_t i = 0; i < track.size(); ++i)
        curve << QPoint(OriginX + Nearest((track[i].Distance - firstDistance) / distancePerPixel),
                        originY - Nearest((values[i] - *lowest) / valuePerPixel));
    p.setPen(QPen(QColor(0, 0, 200), 1));
    p.drawPolyline(curve);
}

} // namespace

ProfileUnits AltitudeUnits(const std::string& units) {
    if (Lower(units) == "feet") return {3.28, "ft"};
    return {3.28 * 0.3048, "m"};
}

ProfileUnits SpeedUnits(const std::string& units) {
    const std::string unit = Lower(units);
    if (unit == "mph") return {2.236936292, "mph"};
    if (unit == "knots") return {1.943844492, "knots"};
    return {3.6, "kph"};
}

double TickStep(double valuePerPixel, double minPixels) {
    for (double step : TickSeries)
        if (step / valuePerPixel >= minPixels) return step;
    return TickSeries.back();
}

void DrawAltitudeProfile(BoxCanvas& canvas, const ParameterBox& box, int titleHeight) {
    DrawProfile(canvas, box, titleHeight, false);
}

void DrawSpeedProfile(BoxCanvas& canvas, const ParameterBox& box, int titleHeight) {
    DrawProfile(canvas, box, titleHeight, true);
}

} // namespace roamplot
