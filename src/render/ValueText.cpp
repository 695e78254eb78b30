#include "render/ValueText.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>
#include <cctype>

#include "core/model/FieldFunctions.h"
#include "core/model/ParameterIds.h"
#include "render/BoxCanvas.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"
#include "render/DrawnText.h"
#include "render/Rounding.h"
#include "render/TextCodec.h"

namespace roamplot {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

// The default unit of a quantity as the settings choose it.
std::string DefaultUnitText(const RenderContext& context, DefaultUnitsQuantity quantity) {
    const auto q = static_cast<std::size_t>(quantity);
    const std::vector<std::string>& choices = DefaultUnitsChoices()[q];
    const int index = context.DefaultUnits[q];
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size()) return choices.front();
    return choices[static_cast<std::size_t>(index)];
}

std::string RoamceUnits(const ParameterBox& box, const RenderContext& context, std::string units) {
    if (!context.Catalogue) return units;
    const int code = ParameterCode(box);
    if (code < 0) return units;
    const std::string tag = "#" + PadZeros(std::to_string(code), 3);
    const std::array<std::pair<Quantity, DefaultUnitsQuantity>, 4> order{{
        {Quantity::Speed, DefaultUnitsQuantity::Speed},
        {Quantity::Altitude, DefaultUnitsQuantity::Altitude},
        {Quantity::Distance, DefaultUnitsQuantity::Distance},
        {Quantity::Heading, DefaultUnitsQuantity::Heading},
    }};
    for (const auto& [line, setting] : order)
        if (context.Catalogue->UnitsLine(line).find(tag) != std::string::npos)
            units = DefaultUnitText(context, setting);
    return units;
}

} // namespace

std::string ShortUnitWord(const std::string& units) {
    static const std::array<std::pair<const char*, const char*>, 8> shortened{{
        {"KILOMETERS", "km"},
        {"METERS", "m"},
        {"MILES", "mi"},
        {"FEET", "ft"},
        {"NM - METERS", "nm"},
        {"NM - FEET", "nm"},
        {"TRUE", "tr"},
        {"MAGNETIC", "mag"},
    }};
    const std::string upper = Upper(units);
    for (const auto& [word, shown] : shortened)
        if (upper == word) return shown;
    return units;
}

WorkingValue WorkingValueOf(const ParameterBox& box, const RenderContext& context) {
    const std::string sample(DrawnPart(box.TestText));
    WorkingValue working{sample,
                         box.ShowUnits != 0 ? std::string(DrawnPart(box.Units)) : std::string()};
    if (Upper(working.Units) == "ROAMCE") working.Units = RoamceUnits(box, context, working.Units);
    working.Units = ShortUnitWord(working.Units);

    const int code = ParameterCode(box);
    if (ParameterIds::CarriesUnitsInSample(code)) {
        const std::vector<std::string> words = Words(sample);
        if (words.size() >= 2) {
            working.Value = words[0];
            working.Units = box.ShowUnits != 0 ? words[1] : std::string();
        }
    }
    return working;
}

int UnitsFontSize(const ParameterBox& box, const BoxGeometry& g) {
    int u = 10;
    if (box.TextFontSize >= 1 && box.TextFontSize <= 9) u = box.TextFontSize;
    if (g.Wi > 120 && g.Hi > 100) u = 12;
    return u;
}

int AutoValueFontSize(const QString& value, const BoxGeometry& g, int titleHeight,
                      int unitsReserve) {
    // Far beyond any box a handheld screen holds; only a corrupt size gets here.
    constexpr int LargestTried = 500;
    int s = 4;
    for (; s <= LargestTried; ++s) {
        const QFontMetrics metrics(BoxFont(s, true));
        const int tw = TextWidth(metrics, value);
        const int th = metrics.height();
        if (tw > g.Wi - s / 3 - unitsReserve || th > g.Hi - titleHeight - 2) break;
    }
    return s - 1;
}

void DrawValueText(BoxCanvas& canvas, const ParameterBox& box, const BoxGeometry& g,
                   int titleHeight, const RenderContext& context, const TextFindingSink* findings) {
    const WorkingValue working = WorkingValueOf(box, context);
    if (working.Value.empty()) return;
    const QString value = ToQString(working.Value);
    const QString units = ToQString(working.Units);
    const int tH = titleHeight;
    const int area = g.Hi - tH - 1;

    int u = UnitsFontSize(box, g);
    int uw = 0;
    int reserve = 0;
    if (!units.isEmpty()) {
        uw = TextWidth(QFontMetrics(BoxFont(u, true)), units);
        reserve = uw + 1;
    }
    const int s =
        box.TextFontSize > 0 ? box.TextFontSize : AutoValueFontSize(value, g, tH, reserve);

    QPainter& p = canvas.Painter();
    const QFont valueFont = BoxFont(s, true);
    p.setFont(valueFont);
    p.setPen(ToQColor(box.TextForeColor));
    u = std::min(u, s);
    const QFontMetrics valueMetrics(valueFont);
    const int a1 = valueMetrics.ascent();
    const int tw = TextWidth(valueMetrics, value);
    const int th = valueMetrics.height();
    ReportTextWidth(findings, FindingKind::ValueTooWide, tw, g.Wi - reserve);

    const int y = g.b + tH + area / 2 - th / 2 + 1;
    int x = 0;
    if (box.Justification == "L")
        x = Nearest(s / 6.0) + g.b;
    else if (box.Justification == "R")
        x = g.Wi - reserve + g.b - tw;
    else
        x = (g.Wi - reserve) / 2 + g.b - tw / 2;
    canvas.DrawText(x, y, value);

    if (!units.isEmpty()) {
        const QFont unitsFont = BoxFont(u, true);
        p.setFont(unitsFont);
        const int a2 = QFontMetrics(unitsFont).ascent();
        canvas.DrawText(g.Wi - g.b - uw, y + a1 - a2, units);
    }
}

} // namespace roamplot
