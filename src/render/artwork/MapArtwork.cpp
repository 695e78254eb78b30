// A topographic moving map: contours, water, roads, labels and the position arrow.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "render/BoxFonts.h"
#include "render/artwork/PreviewPictures.h"

namespace roamplot {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A closed wavy ring around a hill top.
QPainterPath Contour(QPointF top, double radius, double phase) {
    QPainterPath ring;
    for (int i = 0; i <= 96; ++i) {
        const double a = 2 * Pi * i / 96;
        const double r =
            radius * (1 + 0.16 * std::sin(3 * a + phase) + 0.07 * std::sin(5 * a - phase));
        const QPointF point(top.x() + r * std::cos(a), top.y() + 0.8 * r * std::sin(a));
        if (i == 0)
            ring.moveTo(point);
        else
            ring.lineTo(point);
    }
    return ring;
}

QPainterPath Curve(std::initializer_list<QPointF> points) {
    QPainterPath path;
    auto it = points.begin();
    path.moveTo(*it++);
    while (it != points.end()) {
        const QPointF control = *it++;
        if (it == points.end()) {
            path.lineTo(control);
            break;
        }
        path.quadTo(control, *it++);
    }
    return path;
}

void Road(QPainter& p, const QPainterPath& path, double width, QColor fill, QColor casing) {
    p.strokePath(path, QPen(casing, width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(path, QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Label(QPainter& p, QPointF at, const QString& text, int points, QColor colour,
           bool italic = false) {
    // A label that cannot reach a part painted alone is left out, so its font is
    // not loaded: four pixels a point bound its ascent, bearing and halo.
    const double reach = 4.0 * points;
    if (at.x() - reach > p.device()->width() || at.y() - reach > p.device()->height()) return;
    QFont font = BoxFont(points, !italic);
    font.setItalic(italic);
    p.setFont(font);
    // A pale halo keeps the label readable over lines.
    QPainterPath outline;
    outline.addText(at, font, text);
    p.strokePath(outline, QPen(QColor(250, 248, 240, 220), 3));
    p.fillPath(outline, colour);
}

} // namespace

QImage PaintSampleMap(QSize size) {
    // A part is the whole map painted on a smaller image: what falls outside is clipped away.
    QImage image(size.boundedTo({SampleMapSide, SampleMapSide}), QImage::Format_RGB32);
    image.fill(QColor(240, 236, 224));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // Woods.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 226, 190));
    p.drawPath(Contour({430, 190}, 120, 1.2));
    p.drawPath(Contour({150, 480}, 95, 0.4));

    // Contours every 20 m, every fifth one stronger.
    const struct Hill {
        QPointF Top;
        int Rings;
        double Phase;
    } hills[] = {{{430, 180}, 11, 0.7}, {{150, 470}, 8, 2.1}, {{560, 560}, 6, 4.0}};
    for (const Hill& hill : hills)
        for (int k = 1; k <= hill.Rings; ++k)
            p.strokePath(Contour(hill.Top, 11.0 * k, hill.Phase + 0.05 * k),
                         QPen(QColor(196, 150, 108), k % 5 == 0 ? 1.6 : 0.8));

    // Water: a creek running into a lake and on to the sea in the corner.
    const QColor water(166, 204, 238), shore(104, 150, 204);
    const QPainterPath creek =
        Curve({{0, 250}, {90, 230}, {170, 300}, {250, 370}, {330, 350}, {390, 330}, {440, 380}});
    p.strokePath(creek, QPen(shore, 9, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(creek, QPen(water, 7, Qt::SolidLine, Qt::RoundCap));
    p.setPen(QPen(shore, 1.5));
    p.setBrush(water);
    p.drawPath(Contour({480, 400}, 48, 2.6));
    const QPainterPath outflow = Curve({{500, 440}, {520, 520}, {470, 600}, {440, 640}});
    p.strokePath(outflow, QPen(shore, 9, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(outflow, QPen(water, 7, Qt::SolidLine, Qt::RoundCap));

    // Roads: the highway, a few streets and a track.
    const QColor casing(120, 110, 100);
    Road(p, Curve({{0, 120}, {200, 90}, {300, 200}, {420, 300}, {640, 280}}), 7,
         QColor(250, 204, 84), casing);
    Road(p, Curve({{60, 0}, {80, 120}, {110, 260}, {120, 420}, {90, 640}}), 4, Qt::white, casing);
    Road(p, Curve({{110, 260}, {240, 250}, {330, 200}}), 4, Qt::white, casing);
    Road(p, Curve({{0, 560}, {250, 520}, {380, 600}, {400, 640}}), 4, Qt::white, casing);
    p.strokePath(Curve({{330, 200}, {400, 160}, {430, 180}}),
                 QPen(QColor(150, 110, 70), 1.5, Qt::DashLine, Qt::RoundCap));
    // Houses of the town along the streets.
    p.setPen(QPen(QColor(150, 120, 110), 1));
    p.setBrush(QColor(214, 190, 180));
    for (int i = 0; i < 9; ++i) p.drawRect(QRectF(30 + 22 * (i % 3), 40 + 20 * (i / 3), 14, 11));

    Label(p, {22, 30}, QStringLiteral("Ashford"), 10, QColor(40, 40, 40));
    Label(p, {410, 150}, QStringLiteral("Mt Kellar 412"), 8, QColor(120, 70, 30));
    Label(p, {452, 470}, QStringLiteral("Lake Ross"), 8, QColor(40, 90, 160), true);
    Label(p, {170, 330}, QStringLiteral("Mill Creek"), 8, QColor(40, 90, 160), true);
    Label(p, {250, 120}, QStringLiteral("Highway 7"), 7, QColor(90, 60, 10));

    // Scale bar.
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(20, 610), QPointF(100, 610));
    p.drawLine(QPointF(20, 604), QPointF(20, 616));
    p.drawLine(QPointF(100, 604), QPointF(100, 616));
    Label(p, {44, 602}, QStringLiteral("500 m"), 7, Qt::black);

    // The position arrow, where a screen-sized map box shows it.
    QPainterPath arrow;
    arrow.moveTo(0, -13);
    arrow.lineTo(9, 10);
    arrow.lineTo(0, 5);
    arrow.lineTo(-9, 10);
    arrow.closeSubpath();
    p.translate(120, 150);
    p.rotate(35);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(220, 20, 20));
    p.drawPath(arrow);
    return image;
}

} // namespace roamplot
