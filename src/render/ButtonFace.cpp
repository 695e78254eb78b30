#include "render/ButtonFace.h"

#include <algorithm>

#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"
#include "render/DrawablePicture.h"
#include "render/DrawnText.h"
#include "render/Rounding.h"
#include "render/TextCodec.h"

namespace roamplot {

namespace {
constexpr int SymbolGap = 5;
constexpr int CaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
} // namespace

ButtonLayout LayOutButton(int placement, int Wi, int Hi, int tw, int th, int sw, int sh, int g) {
    ButtonLayout l;
    const double wi = Wi, hi = Hi, TW = tw, TH = th, SW = sw, SH = sh, G = g;
    const int centredLeft = Nearest(wi / 2 - TW / 2);
    const int centredTop = Nearest(hi / 2 - TH / 2);
    switch (placement) {
    case 0:
        l.Top = centredTop;
        l.Bottom = l.Top + th + 1;
        l.Left = centredLeft;
        l.Right = l.Left + tw + 1;
        break;
    case 1:
        l.Top = Nearest(hi / 2 - TH / 2 + SH / 2 + G / 2);
        l.Bottom = l.Top + th + sh + 1;
        l.Left = centredLeft;
        l.Right = l.Left + tw + 1;
        l.SymbolAt = {Nearest(wi / 2 - SW / 2) + 1, Nearest(hi / 2 - TH / 2 - SH / 2 - G / 2) + 1};
        l.ShowsSymbol = true;
        break;
    case 2:
        l.Top = Nearest(hi / 2 - TH / 2 - SH / 2 - G / 2);
        l.Bottom = l.Top + th + 1;
        l.Left = centredLeft;
        l.Right = l.Left + tw + 1;
        l.SymbolAt = {Nearest(wi / 2 - SW / 2) + 1, l.Bottom + g};
        l.ShowsSymbol = true;
        break;
    case 3:
        l.SymbolAt = {Nearest(wi / 2 - (TW + SW + G) / 2), Nearest(hi / 2 - SH / 2)};
        l.Top = centredTop;
        l.Bottom = l.Top + th + 1;
        l.Left = l.SymbolAt.x() + sw + g;
        l.Right = l.Left + tw + 1;
        l.ShowsSymbol = true;
        break;
    case 4:
        l.Top = centredTop;
        l.Bottom = l.Top + th + 1;
        l.Left = Nearest(wi / 2 - (TW + SW + G) / 2);
        l.Right = l.Left + tw + 1;
        l.SymbolAt = {l.Right + g, Nearest(hi / 2 - SH / 2)};
        l.ShowsSymbol = true;
        break;
    default:
        l.Right = tw;
        l.Bottom = th;
        break;
    }
    return l;
}

void DrawButtonContent(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g) {
    const QImage symbol = DrawableKeyedPicture(box.Symbol);
    const bool hasSymbol = !symbol.isNull();
    const int sw = hasSymbol ? symbol.width() : 0;
    const int sh = hasSymbol ? symbol.height() : 0;
    const int placement = box.SymbolPlacement;
    const bool placed = placement >= 1 && placement <= 4;
    QPainter& p = canvas.Painter();

    if (box.TitleText.empty() || box.TitleFontSize <= 0) {
        if (hasSymbol && placed)
            p.drawImage(Nearest(g.Wi / 2.0 - sw / 2.0) + 1, Nearest(g.Hi / 2.0 - sh / 2.0) + 1,
                        symbol);
        return;
    }
    p.setFont(BoxFont(box.TitleFontSize, true));
    p.setPen(ToQColor(box.TitleForeColor));
    const QString caption = ToDrawnText(box.TitleText);
    const QRect measured = p.fontMetrics().boundingRect(
        QRect(0, 0, std::max(1, g.Wi - 2 * g.b - 4), std::max(1, g.Hi)), CaptionFlags, caption);
    const ButtonLayout l = LayOutButton(placement, g.Wi, g.Hi, measured.width(), measured.height(),
                                        sw, sh, hasSymbol ? SymbolGap : 0);
    p.drawText(QRect(l.Left, l.Top, l.Right - l.Left, l.Bottom - l.Top), CaptionFlags, caption);
    if (hasSymbol && l.ShowsSymbol) p.drawImage(l.SymbolAt, symbol);
}

} // namespace roamplot
