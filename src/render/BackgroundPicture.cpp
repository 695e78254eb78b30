#include "render/BackgroundPicture.h"

#include <algorithm>

#include "render/BoxCanvas.h"
#include "render/DrawBox.h"
#include "render/DrawablePicture.h"
#include "render/Rounding.h"

namespace roamplot {

namespace {

enum Placement { None = 0, Center = 1, Stretch = 2, Tile = 3 };

// Copies the top-left w x h part of the picture, opaquely.
void CopyPart(QPainter& p, int x, int y, const QImage& picture, int sx, int sy, int w, int h) {
    if (w <= 0 || h <= 0) return;
    p.drawImage(QPoint(x, y), picture, QRect(sx, sy, w, h));
}

void DrawCentred(QPainter& p, const QImage& picture, const BoxGeometry& g, int tH) {
    const int sw = picture.width(), sh = picture.height();
    int x = Nearest((g.Wi - sw) / 2.0) + g.b;
    int y = Nearest((g.Hi - sh - tH) / 2.0) + tH + g.b + 1;
    int sx = 0, sy = 0, w = sw, h = sh;
    if (x < 0) {
        sx = -x + g.b;
        x = g.b;
        w = g.Wi;
    }
    if (y < tH + g.b) {
        // Taller than its area: show the middle rows.
        h = g.Hi - tH;
        sy = std::max(0, (sh - h) / 2);
        y = g.b + tH + 1;
    }
    CopyPart(p, x, y, picture, sx, sy, w, h);
}

// Whole copies left to right from the area's top-left corner, each row ending
// in a cut copy; the full rows may reach one pixel below the last row.
void DrawTiled(QPainter& p, const QImage& picture, const BoxGeometry& g, int tH) {
    const int sh = picture.height();
    const int top = g.b + tH + 1;
    const int fullRows = (g.Hi - tH) / sh;
    const int bottom = std::max(g.b + g.Hi, top + fullRows * sh);
    if (bottom <= top) return;
    p.save();
    p.setBrushOrigin(g.b, top);
    p.fillRect(QRect(g.b, top, g.Wi, bottom - top), QBrush(picture));
    p.restore();
}

} // namespace

void DrawBackgroundPicture(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                           int titleHeight) {
    if (!box.Symbol || box.SymbolPlacement == None) return;
    const QImage picture = DrawablePicture(box.Symbol);
    if (picture.isNull() || picture.width() <= 0 || picture.height() <= 0) return;
    QPainter& p = canvas.Painter();
    switch (box.SymbolPlacement) {
    case Center:
        DrawCentred(p, picture, g, titleHeight);
        break;
    case Stretch: {
        const QRect area(g.b, g.b + titleHeight + 1, g.Wi, g.Hi - titleHeight);
        if (area.width() > 0 && area.height() > 0) p.drawImage(area, picture);
        break;
    }
    case Tile:
        if (g.Wi > 0) DrawTiled(p, picture, g, titleHeight);
        break;
    default:
        break;
    }
}

} // namespace roamplot
