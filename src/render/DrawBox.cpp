#include "render/DrawBox.h"

#include "core/model/FieldFunctions.h"
#include "core/model/ParameterIds.h"
#include "render/BackgroundPicture.h"
#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/ButtonFace.h"
#include "render/DrawnText.h"
#include "render/Fills.h"
#include "render/TextCodec.h"
#include "render/ValueText.h"
#include "render/artwork/PreviewPictures.h"
#include "render/samples/SpecialDrawings.h"

namespace roamplot {

namespace {

enum BackStyle { Normal = 0, Gradient = 1, Transparent = 2, Translucent = 3 };
enum ButtonStyleValue { Raised = 0, Flat = 1, NoBorder = 2, Round = 3 };

bool IsKey(Colour colour) {
    return (colour & 0xFFFFFF) == TransparentKey;
}

bool HasValueArea(const std::string& kind) {
    return kind == BoxKind::Background || IsParameterKind(kind);
}

bool TitleShown(const ParameterBox& box) {
    return !box.TitleText.empty() && box.TitleFontSize > 0;
}

int TitleHeight(BoxCanvas& canvas, const ParameterBox& box) {
    if (!TitleShown(box)) return 0;
    canvas.Painter().setFont(BoxFont(box.TitleFontSize, true));
    return canvas.Painter().fontMetrics().height();
}

// Step 4: the value area's back style, under the title strip.
void FillTextBackground(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, int tH,
                        Colour base) {
    switch (box.TextBackStyle) {
    case Normal:
        if (!IsKey(box.TextBackColor)) canvas.FillRect(0, tH + 1, g.W0, g.H0, box.TextBackColor);
        break;
    case Gradient:
        if (box.TitleBackStyle == Gradient)
            GradientFill(canvas, 0, 0, g.W0, g.H0, base);
        else
            GradientFill(canvas, 0, tH + 1, g.W0, g.H0, base);
        break;
    case Translucent:
        if (!IsKey(box.TextBackColor))
            TranslucentFill(canvas, RectShape(0, tH + 1, g.W0, g.H0), box.TextBackColor);
        break;
    default:
        break;
    }
}

// Step 6: the face of a text box.
void FillTextBoxFace(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                     Colour base) {
    switch (box.TitleBackStyle) {
    case Normal:
        if (IsKey(box.TitleBackColor)) break;
        canvas.FillPath(RoundRectShape(0, 0, g.W0 + 1, g.H0 + 1, g.r), base);
        canvas.OutlineRoundRect(0, 0, g.W0, g.H0, g.r, 1, box.BorderColor);
        break;
    case Gradient:
        GradientFill(canvas, 0, 0, g.W0, g.H0, base);
        break;
    case Translucent:
        if (!IsKey(box.TitleBackColor))
            TranslucentFill(canvas, RoundRectShape(0, 0, g.W0, g.H0, g.r), box.TitleBackColor);
        break;
    default:
        break;
    }
}

// Step 7: the face of a button.
void FillButtonFace(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, Colour base) {
    const bool round = box.ButtonStyle == Round;
    const QPainterPath shape =
        round ? EllipseShape(0, 0, g.W0 + 1, g.H0 + 1) : RoundRectShape(0, 0, g.W0, g.H0, g.r);
    switch (box.TitleBackStyle) {
    case Normal:
        canvas.FillPath(shape, base);
        break;
    case Gradient:
        if (round)
            canvas.FillPath(shape, base);
        else
            GradientFill(canvas, 0, 0, g.W0, g.H0, base);
        break;
    case Translucent:
        TranslucentFill(canvas, shape, box.TitleBackColor);
        break;
    default:
        break;
    }
}

// Step 10: the strip behind the title of a value box.
void FillTitleStrip(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g, int tH) {
    const int x1 = g.b, y1 = g.b, x2 = g.b + g.Wi, y2 = g.b + tH + 1;
    switch (box.TitleBackStyle) {
    case Normal:
        if (!IsKey(box.TitleBackColor)) canvas.FillRect(x1, y1, x2, y2, box.TitleBackColor);
        break;
    case Gradient:
        if (box.TitleBackColor != box.TextBackColor)
            GradientFill(canvas, x1, y1, x2, y2, box.TitleBackColor);
        break;
    case Translucent:
        if (!IsKey(box.TitleBackColor))
            TranslucentFill(canvas, RectShape(x1, y1, x2, y2), box.TitleBackColor);
        break;
    default:
        break;
    }
}

// A raised edge: light outer and inner bevels top and left, dark ones bottom and right.
void DrawRaisedEdge(BoxCanvas& canvas, const BoxGeometry& g) {
    const Colour outerLight = MakeColour(227, 227, 227), innerLight = White;
    const Colour outerDark = MakeColour(105, 105, 105), innerDark = MakeColour(160, 160, 160);
    const int w = g.W0, h = g.H0;
    canvas.FillRect(0, 0, w, 1, outerLight);
    canvas.FillRect(0, 0, 1, h, outerLight);
    canvas.FillRect(1, 1, w - 1, 2, innerLight);
    canvas.FillRect(1, 1, 2, h - 1, innerLight);
    canvas.FillRect(0, h - 1, w, h, outerDark);
    canvas.FillRect(w - 1, 0, w, h, outerDark);
    canvas.FillRect(1, h - 2, w - 1, h - 1, innerDark);
    canvas.FillRect(w - 2, 1, w - 1, h - 1, innerDark);
}

// Step 13.
void DrawBorder(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g) {
    if (box.Kind == BoxKind::Button) {
        if (box.ButtonStyle == Raised)
            DrawRaisedEdge(canvas, g);
        else if (box.ButtonStyle == Flat)
            canvas.OutlineRoundRect(0, 0, g.W0, g.H0, g.r, 1, box.BorderColor);
        return;
    }
    if (box.BorderWidth <= 0 || IsKey(box.BorderColor) || box.Kind == BoxKind::New) {
        canvas.DashedRoundRect(0, 0, g.W0, g.H0, g.r, Black);
        return;
    }
    const int half = g.b / 2;
    canvas.OutlineRoundRect(half, half, g.W0 - half, g.H0 - half, g.r, g.b, box.BorderColor);
}

void DrawTitleText(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                   const TextFindingSink* findings) {
    QPainter& p = canvas.Painter();
    p.setFont(BoxFont(box.TitleFontSize, true));
    p.setPen(ToQColor(box.TitleForeColor));
    const QString title = ToDrawnText(box.TitleText);
    const int tw = TextWidth(p.fontMetrics(), title);
    const int th = p.fontMetrics().height();
    ReportTextWidth(findings, FindingKind::TitleTooWide, tw, g.Wi);
    if (box.Kind == BoxKind::Text)
        canvas.DrawText(g.Wi / 2 + g.b - tw / 2, g.Hi / 2 + g.b - th / 2, title);
    else
        canvas.DrawText(g.Wi / 2 + g.b - tw / 2, g.b + 1, title);
}

} // namespace

int ParameterCode(const ParameterBox& box) {
    const std::optional<int32_t> code = TryStrToInt(box.ParameterId);
    return code ? *code : -1;
}

Colour BaseFillColour(const ParameterBox& box) {
    const int code = ParameterCode(box);
    if (ParameterIds::IsProfile(code)) return White;
    if (box.Kind == BoxKind::Button || box.Kind == BoxKind::Text) return box.TitleBackColor;
    return box.TextBackColor;
}

BoxGeometry GeometryOf(const ParameterBox& box) {
    BoxGeometry g{};
    g.W0 = box.Width;
    g.H0 = box.Height;
    g.b = box.BorderWidth > 0 ? box.BorderWidth : 0;
    g.Wi = g.W0 - 2 * g.b;
    g.Hi = g.H0 - 2 * g.b;
    g.r = box.BorderRadius;
    return g;
}

void DrawBox(QImage& page, const ParameterBox& box, int currentPage, const RenderContext& context,
             const TextFindingSink* findings) {
    if (box.PageNo == 0 || box.PageNo != currentPage) return;
    if (box.Width <= 0 || box.Height <= 0) return;
    BoxCanvas canvas(page, QRect(box.Left, box.Top, box.Width, box.Height));
    const BoxGeometry g = GeometryOf(box);
    const Colour base = BaseFillColour(box);
    const std::string& kind = box.Kind;

    if (HasValueArea(kind)) FillTextBackground(canvas, box, g, TitleHeight(canvas, box), base);
    if (kind == BoxKind::Text) FillTextBoxFace(canvas, box, g, base);
    if (kind == BoxKind::Button) FillButtonFace(canvas, box, g, base);

    if (kind == BoxKind::Map) {
        canvas.Painter().drawImage(0, 0, SampleMap({box.Width, box.Height}));
    } else {
        int tH = 0;
        if (HasValueArea(kind) && TitleShown(box)) {
            tH = TitleHeight(canvas, box);
            FillTitleStrip(canvas, box, g, tH);
        }
        tH = 0;
        if (TitleShown(box) && (kind == BoxKind::Text || HasValueArea(kind))) {
            DrawTitleText(canvas, box, g, findings);
            tH = canvas.Painter().fontMetrics().height();
        }
        if (kind == BoxKind::Button) DrawButtonContent(canvas, box, g);
        if (kind == BoxKind::Background) DrawBackgroundPicture(canvas, box, g, tH);
        if (IsParameterKind(kind)) {
            if (HasSpecialDrawing(box))
                DrawSpecial(canvas, box, g, tH);
            else
                DrawValueText(canvas, box, g, tH, context, findings);
        }
    }

    DrawBorder(canvas, box, g);
    if (box.Selected == 1) {
        const int half = g.b / 2;
        canvas.OutlineRoundRect(half, half, g.W0 - half, g.H0 - half, g.r, 3,
                                MakeColour(255, 0, 0));
    }
}

} // namespace roamplot
