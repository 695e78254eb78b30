// The compass dial, north up.
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"
#include "render/samples/SpecialDrawings.h"

namespace roamplot {

namespace {

constexpr double Pi = 3.14159265358979323846;

// The point at a bearing (degrees clockwise from north) and distance from the centre.
QPointF At(QPointF centre, double bearing, double distance) {
    const double a = bearing * Pi / 180.0;
    return {centre.x() + distance * std::sin(a), centre.y() - distance * std::cos(a)};
}

} // namespace

void DrawCompass(BoxCanvas& canvas, const ParameterBox&, const BoxGeometry& g, int titleHeight) {
    const int Ha = g.H0 - titleHeight - 2 * g.b;
    const double radius = std::min(g.Wi, Ha) / 2.0 - 2;
    if (radius < 2) return;
    const QPointF centre(g.b + g.Wi / 2.0, g.b + titleHeight + Ha / 2.0);
    QPainter& p = canvas.Painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    for (int degrees = 0; degrees < 360; degrees += 10) {
        const double inner = radius * (degrees % 30 == 0 ? 0.84 : 0.92);
        p.drawLine(At(centre, degrees, inner), At(centre, degrees, radius));
    }

    const bool large = g.W0 > 90 && g.H0 > 90;
    if (large) {
        p.setFont(BoxFont(6, false));
        const QFontMetricsF m(p.font());
        for (int degrees : {30, 60, 120, 150, 210, 240, 300, 330}) {
            const QString label = QString::number(degrees);
            const QPointF c = At(centre, degrees, radius * 0.72);
            p.drawText(QPointF(c.x() - m.horizontalAdvance(label) / 2, c.y() + m.ascent() / 2 - 1),
                       label);
        }
    }
    const bool small = g.W0 < 100 && g.H0 < 100;
    p.setFont(BoxFont(small ? 6 : 9, true));
    p.setPen(QColor(255, 0, 0));
    const QFontMetricsF letters(p.font());
    const char* names[4] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const QString letter = QString::fromLatin1(names[i]);
        const QPointF c = At(centre, i * 90, radius * 0.72);
        p.drawText(QPointF(c.x() - letters.horizontalAdvance(letter) / 2,
                           c.y() + letters.ascent() / 2 - 1),
                   letter);
    }

    // Two arrows given across and along their direction in dial radii: the
    // heading with a notched tail, and the shorter bearing to the next waypoint.
    auto arrow = [&](double bearing, std::initializer_list<QPointF> corners) {
        const double a = bearing * Pi / 180.0;
        const QPointF along(std::sin(a), -std::cos(a)), across(std::cos(a), std::sin(a));
        QPolygonF shape;
        for (const QPointF& c : corners)
            shape << centre + radius * (c.x() * across + c.y() * along);
        return shape;
    };
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0, 155, 0));
    p.drawPolygon(arrow(35, {{0, 0.66},
                             {0.1, 0.2},
                             {0.08, 0.2},
                             {0.08, -0.18},
                             {0, -0.1},
                             {-0.08, -0.18},
                             {-0.08, 0.2},
                             {-0.1, 0.2}}));
    p.setBrush(QColor(255, 152, 36));
    p.drawPolygon(arrow(128, {{0, 0.66},
                              {0.095, 0.19},
                              {0.045, 0.19},
                              {0.045, -0.09},
                              {-0.045, -0.09},
                              {-0.045, 0.19},
                              {-0.095, 0.19}}));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius * 0.08, radius * 0.08);
    p.restore();
}

} // namespace roamplot
