// The satellite sky view, signal bars and signal lines.
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DibImage.h"
#include "render/DrawBox.h"
#include "render/Rounding.h"
#include "render/artwork/PreviewPictures.h"
#include "render/samples/SampleData.h"
#include "render/samples/SpecialDrawings.h"

namespace roamplot {

namespace {
constexpr int MaxSatelliteRows = 12;
constexpr double DegreesToRadians = 3.14159265358979323846 / 180.0;

std::vector<SampleSatellite> PresentSatellites() {
    std::vector<SampleSatellite> present;
    for (const SampleSatellite& s : SampleSatellites())
        if (s.Present()) present.push_back(s);
    return present;
}
} // namespace

int SignalLineLength(int signal, int L) {
    return Nearest(std::min(signal, 60) * L / 60.0 + 0.5);
}

void DrawSignalLines(BoxCanvas& canvas, const ParameterBox&, const BoxGeometry& g,
                     int titleHeight) {
    const Colour lightGrey = MakeColour(220, 220, 220);
    const Colour blue = MakeColour(0, 0, 225);
    const int L = g.Wi - 4;
    const int x = g.b + 2;
    auto rowY = [&](int row) { return titleHeight + g.b + 2 + 2 * row; };
    for (int row = 0; row < MaxSatelliteRows; ++row)
        canvas.FillRect(x, rowY(row), x + L, rowY(row) + 1, lightGrey);
    int row = 0;
    for (const SampleSatellite& s : PresentSatellites()) {
        if (row == MaxSatelliteRows) break;
        const int y = rowY(row++);
        canvas.FillRect(x, y, x + L, y + 1, lightGrey);
        canvas.FillRect(x, y, x + SignalLineLength(s.Signal, L), y + 1, blue);
    }
}

void DrawSignalBars(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                    int titleHeight) {
    QPainter& p = canvas.Painter();
    p.setFont(SampleFont(box, 9));
    p.setPen(ToQColor(box.TextForeColor));
    const QFontMetrics metrics = p.fontMetrics();
    const double R = (g.H0 - 2 * g.b - titleHeight) / 12.0;
    double y = titleHeight + g.b + (R - 2) / 2;
    int row = 0;
    for (const SampleSatellite& s : PresentSatellites()) {
        if (row++ == MaxSatelliteRows) break;
        const QString label = QString::asprintf("%02d", s.Number);
        const int lh = metrics.height();
        canvas.DrawText(g.b + 2, Nearest(y), label);
        const int T = g.W0 - 2 * g.b - 2 - lh - 9;
        const int ym = Nearest(lh / 2.0 + y + 1);
        const int x0 = g.b + 2 + lh + 3;
        // Lines 5 and 3 pixels thick, centred on row ym.
        canvas.FillRect(x0, ym - 2, x0 + T + 2, ym + 3, Black);
        canvas.FillRect(x0 + 1, ym - 1, x0 + T + 1, ym + 2, MakeColour(100, 100, 100));
        canvas.FillRect(x0 + 1, ym - 1, Nearest(s.ClampedSignal() * T / 60.0 + x0), ym + 2,
                        MakeColour(255, 156, 1));
        y += R - 1;
    }
}

void DrawSkyView(BoxCanvas& canvas, const ParameterBox& box, int titleHeight) {
    QPainter& p = canvas.Painter();
    const int W0 = box.Width, H0 = box.Height, tH = titleHeight;
    const int cx = Nearest(W0 / 2.0);
    const int cy = Nearest(tH + (H0 - tH) / 2.0);
    const QImage& sky = SkyViewBackground();
    if (!sky.isNull())
        p.drawImage(Nearest(cx - sky.width() / 2.0), Nearest(cy - sky.height() / 2.0),
                    WithKeyTransparent(sky));

    p.setFont(SampleFont(box, 9));
    const QFontMetrics metrics = p.fontMetrics();
    const auto& satellites = SampleSatellites();
    for (const bool used : {true, false}) {
        const QColor fill = used ? QColor(0, 155, 0) : QColor(255, 0, 0);
        for (std::size_t i = 0; i < satellites.size(); ++i) {
            const SampleSatellite& s = satellites[i];
            if (!s.Present() || (s.Signal > 0) != used) continue;
            const double r = (90 - s.Elevation) / 1.9;
            const double dx = r * std::sin(s.Azimuth * DegreesToRadians);
            const double dy = -r * std::cos(s.Azimuth * DegreesToRadians);
            const QString label = QString::number(i + 1);
            const double d = std::max(TextWidth(metrics, label), metrics.height()) / 1.4;
            const int x1 = Nearest(cx + dx - d), y1 = Nearest(cy + dy - d);
            const int x2 = Nearest(cx + dx + d), y2 = Nearest(cy + dy + d);
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(fill);
            p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
            p.setBrush(Qt::NoBrush);
            p.setPen(ToQColor(box.TextForeColor));
            p.setBackgroundMode(Qt::OpaqueMode);
            p.setBackground(fill);
            const int tw = TextWidth(metrics, label);
            canvas.DrawText(Nearest(cx + dx - tw / 2.0), Nearest(cy + dy - metrics.height() / 2.0),
                            label);
            p.setBackgroundMode(Qt::TransparentMode);
        }
    }
}

} // namespace roamplot
