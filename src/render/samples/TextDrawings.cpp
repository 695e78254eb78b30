// The GPS status, position, data log and waypoint list.
#include <QFontMetrics>
#include <algorithm>

#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"
#include "render/Rounding.h"
#include "render/samples/SampleData.h"
#include "render/samples/SpecialDrawings.h"

namespace roamplot {

namespace {
constexpr int WrappedCentred = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
const Colour ListBlue = MakeColour(206, 231, 239);
} // namespace

void DrawGpsStatus(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                   int titleHeight) {
    QPainter& p = canvas.Painter();
    p.setFont(GpsStatusFont(box));
    p.setPen(ToQColor(box.TextForeColor));
    const QString text = QStringLiteral("GPS Off");
    const int Ha = g.H0 - titleHeight - 2 * g.b;
    const QRect block = p.fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, g.Wi - 4), std::max(1, Ha)), WrappedCentred, text);
    const int tw = block.width(), th = block.height();
    p.drawText(QRect(Nearest((g.Wi - tw) / 2.0) + g.b, Nearest(g.b + titleHeight + (Ha - th) / 2.0),
                     tw, th),
               WrappedCentred, text);
}

int PositionFontSize(int Wi, int Ha) {
    const QString latitude = QString::fromLatin1(SampleLatitude());
    const QString longitude = QString::fromLatin1(SampleLongitude());
    constexpr int LargestTried = 500;
    int s = 2;
    for (; s <= LargestTried; ++s) {
        const QFontMetrics m(BoxFont(s, true));
        if (TextWidth(m, latitude) > Wi || TextWidth(m, longitude) > Wi || 2 * m.height() > Ha)
            break;
    }
    return s == 2 ? 1 : s - 1;
}

void DrawPosition(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                  int titleHeight) {
    const int Ha = g.H0 - titleHeight - 2 * g.b;
    const int s = PositionFontSize(g.Wi, Ha);
    QPainter& p = canvas.Painter();
    p.setFont(BoxFont(s, true));
    p.setPen(ToQColor(box.TextForeColor));
    const int x = Nearest(g.b + s / 6.0);
    const int y = g.b + titleHeight + 1;
    canvas.DrawText(x, y, QString::fromLatin1(SampleLatitude()));
    canvas.DrawText(x, y + p.fontMetrics().height(), QString::fromLatin1(SampleLongitude()));
}

int DataLogLinesShown(int H0, int tH, int b, int lineHeight) {
    const int step = std::max(1, lineHeight);
    int shown = 0;
    for (int y = tH + b + 3; shown < static_cast<int>(SampleLogLines().size()) && y + tH <= H0;
         y += step)
        ++shown;
    return shown;
}

void DrawDataLog(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                 int titleHeight) {
    QPainter& p = canvas.Painter();
    p.setFont(SampleFont(box, 9));
    p.setPen(ToQColor(box.TextForeColor));
    const bool opaque = (box.TextBackColor & 0xFFFFFF) != TransparentKey;
    if (opaque) {
        p.setBackgroundMode(Qt::OpaqueMode);
        p.setBackground(ToQColor(box.TextBackColor));
    }
    const int lineHeight = p.fontMetrics().height();
    const int shown = DataLogLinesShown(g.H0, titleHeight, g.b, lineHeight);
    for (int i = 0; i < shown; ++i)
        canvas.DrawText(g.b + 2, titleHeight + g.b + 3 + i * lineHeight,
                        QString::fromLatin1(SampleLogLines()[static_cast<std::size_t>(i)]));
    p.setBackgroundMode(Qt::TransparentMode);
}

void DrawWaypointList(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                      int titleHeight) {
    QPainter& p = canvas.Painter();
    p.setFont(SampleFont(box, 9));
    const int h = p.fontMetrics().height();
    const int tH = titleHeight;
    const int right = g.W0 - 2 * g.b;
    const std::array<int, 3> columns{3, 65, 98};

    canvas.FillRect(g.b, tH + g.b, right, tH + g.b + h + 2, ListBlue);
    p.setPen(Qt::black);
    const std::array<const char*, 3> headings{"Distance", "Bg", "Name"};
    for (std::size_t c = 0; c < columns.size(); ++c)
        canvas.DrawText(columns[c], tH + 1, QString::fromLatin1(headings[c]));

    int y = tH + h + 3;
    int rows = 0;
    for (const char* entry : SampleWaypoints()) {
        if (y > g.H0) break;
        canvas.FillRect(g.b, y, right, y + h, White);
        p.setPen(rows == 3 ? QColor(255, 0, 0) : QColor(Qt::black));
        const QStringList fields = QString::fromLatin1(entry).split(QLatin1Char(','));
        for (std::size_t c = 0; c < columns.size() && c < static_cast<std::size_t>(fields.size());
             ++c)
            canvas.DrawText(columns[c], y, fields[static_cast<qsizetype>(c)]);
        y += h;
        ++rows;
    }

    // The button column on the right and the scroll indicator beside it.
    const int columnLeft = g.W0 - g.b - 40;
    const double buttonHeight = (g.H0 - tH - 2 * g.b) / 4.0;
    const int top = tH + g.b;
    for (int i = 0; i < 4; ++i) {
        const int y1 = top + Nearest(i * buttonHeight);
        const int y2 = top + Nearest((i + 1) * buttonHeight) - 1; // a white seam between buttons
        canvas.FillRect(columnLeft, y1, g.W0 - g.b, y2, ListBlue);
        const QRect face(columnLeft, y1, 40, y2 - y1);
        const QPoint c = face.center();
        p.setPen(Qt::black);
        if (i == 0) p.drawText(face, Qt::AlignCenter, QStringLiteral("Map"));
        if (i == 1) p.drawText(face, Qt::AlignCenter, QStringLiteral("GoTo"));
        if (i >= 2) {
            const int s = i == 2 ? 1 : -1; // up, then down
            const QPoint corners[3] = {c + QPoint(0, -3 * s), c + QPoint(6, 3 * s),
                                       c + QPoint(-6, 3 * s)};
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(100, 100, 100));
            p.drawPolygon(corners, 3);
            p.setBrush(Qt::NoBrush);
        }
    }
    const int trackTop = tH + g.b + h + 2;
    const int trackBottom = g.H0 - g.b;
    canvas.FillRect(columnLeft - 3, trackTop, columnLeft, trackBottom, MakeColour(190, 190, 190));
    const int thumb = (trackBottom - trackTop) * std::max(1, rows) / 20;
    canvas.FillRect(columnLeft - 3, trackTop, columnLeft, trackTop + thumb,
                    MakeColour(50, 50, 255));
}

} // namespace roamplot
