#include <gtest/gtest.h>

#include <QFontMetrics>

#include "RenderTestSupport.h"
#include "render/BoxFonts.h"
#include "render/PageCompositor.h"
#include "render/TextCodec.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

int Width(const std::string& text, int points) {
    return TextWidth(QFontMetrics(BoxFont(points, true)), ToQString(text));
}

// A value box with a fixed font size, border 1, no title and no units.
ParameterBox Value(int left, int innerWidth, const std::string& value, int points) {
    ParameterBox box = MakeBox(BoxKind::SingleParameter, left, 0, innerWidth + 2, 40);
    box.TestText = value;
    box.TextFontSize = points;
    return box;
}

// A box with a title over an empty value.
ParameterBox Titled(const std::string& kind, int left, int innerWidth, const std::string& title) {
    ParameterBox box = MakeBox(kind, left, 50, innerWidth + 2, 40);
    box.TitleText = title;
    box.TitleFontSize = 9;
    return box;
}

std::vector<BoxFinding> Compose(const ScreenLayout& layout) {
    RenderContext context;
    context.DrawArea = {480, 233};
    std::vector<BoxFinding> findings;
    ComposePage(layout, 1, context, &findings);
    return findings;
}

} // namespace

// A layout made for the findings: a value and titles of each kind that has
// one, too wide by a pixel, fitting on the edge, and well inside.
TEST(TextFindings, ValuesAndTitlesWiderThanTheirAreaAreReportedWithTheDrawnWidth) {
    const std::string value = "123456", title = "Altitude Profile";
    const int valueWidth = Width(value, 14);
    const int titleWidth = Width(title, 9);
    ScreenLayout layout;
    layout.Box(1, 1) = Value(0, valueWidth - 1, value, 14);    // one pixel too narrow
    layout.Box(1, 2) = Value(100, valueWidth, value, 14);      // exactly on the edge
    layout.Box(1, 3) = Value(200, valueWidth + 20, value, 14); // room to spare
    layout.Box(1, 4) = Titled(BoxKind::SingleParameter, 0, titleWidth - 1, title);
    layout.Box(1, 5) = Titled(BoxKind::Text, 120, titleWidth - 10, title);
    layout.Box(1, 6) = Titled(BoxKind::Background, 240, titleWidth, title);
    layout.Box(1, 7) = Titled(BoxKind::MultiParameter, 360, titleWidth + 5, title);

    const std::vector<BoxFinding> expected{
        {1, 1, FindingKind::ValueTooWide, valueWidth, valueWidth - 1},
        {1, 4, FindingKind::TitleTooWide, titleWidth, titleWidth - 1},
        {1, 5, FindingKind::TitleTooWide, titleWidth, titleWidth - 10},
    };
    EXPECT_EQ(Compose(layout), expected);
}

TEST(TextFindings, TheUnitsReserveNarrowsTheValueArea) {
    ScreenLayout layout;
    const int unitsWidth = Width("kph", 10);
    const int valueWidth = Width("88", 12);
    // Wide enough for the value alone, not for the value beside its units.
    layout.Box(1, 1) = Value(0, valueWidth + unitsWidth, "88", 12);
    layout.Box(1, 1).Units = "kph";
    layout.Box(1, 2) = layout.Box(1, 1);
    layout.Box(1, 2).Left = 100;
    layout.Box(1, 2).ShowUnits = 0;
    EXPECT_EQ(Compose(layout), (std::vector<BoxFinding>{
                                   {1, 1, FindingKind::ValueTooWide, valueWidth, valueWidth - 1}}));
}

TEST(TextFindings, AnAutomaticSizeFitsUnlessEvenTheSmallestSizeIsTooLarge) {
    ScreenLayout layout;
    layout.Box(1, 1) = Value(0, 40, "1234.5", 0);
    layout.Box(1, 2) = Value(100, 4, "1234.5", 0);
    const std::vector<BoxFinding> findings = Compose(layout);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(std::tuple(findings[0].Slot, findings[0].TextWidth, findings[0].AreaWidth),
              std::tuple(2, Width("1234.5", 3), 4));
}

TEST(TextFindings, CollectingThemLeavesTheDrawingAsItIs) {
    ScreenLayout layout;
    layout.Box(1, 1) = Value(0, 10, "123456", 14);
    layout.Box(1, 2) = Titled(BoxKind::Text, 50, 10, "Title");
    layout.Box(1, 3) = Titled(BoxKind::Text, 50, 10, "Other page");
    layout.Box(1, 3).PageNo = 2;
    RenderContext context;
    context.DrawArea = {200, 100};
    std::vector<BoxFinding> findings;
    const QImage marked = ComposePage(layout, 1, context, &findings);
    EXPECT_EQ(marked, ComposePage(layout, 1, context));
    // The box of another page is not drawn, so it reports nothing.
    EXPECT_EQ(findings.size(), 2u);
}
