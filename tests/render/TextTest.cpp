#include "RenderTestSupport.h"
#include "render/BoxFonts.h"
#include "render/DrawBox.h"
#include "render/PageCompositor.h"
#include "render/TextCodec.h"
#include "render/ValueText.h"
#include <QFontMetrics>

namespace {

BoxGeometry Inner(int width, int height) {
    return {width + 2, height + 2, 1, width, height, 0};
}

bool Fits(const QString& value, int size, const BoxGeometry& g, int tH, int reserve) {
    const QFontMetrics m(BoxFont(size, true));
    return TextWidth(m, value) <= g.Wi - size / 3 - reserve && m.height() <= g.Hi - tH - 2;
}

// The lowest row within columns [x1, x2) holding a dark pixel.
int LowestDarkRow(const QImage& image, int x1, int x2) {
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = x1; x < x2; ++x)
            if (qGray(image.pixel(x, y)) < 100) return y;
    return -1;
}

int Width(const std::string& text, int points) {
    return TextWidth(QFontMetrics(BoxFont(points, true)), ToQString(text));
}

// A value box with a fixed font size, border 1, no title and no units.
ParameterBox Value(int left, int innerWidth, const std::string& value, int points) {
    ParameterBox box = NewBox(1, BoxKind::SingleParameter, "1", left, 0, innerWidth + 2, 40);
    box.TestText = value;
    box.TextFontSize = points;
    return box;
}

// A box with a title over an empty value.
ParameterBox Titled(const std::string& kind, int left, int innerWidth, const std::string& title) {
    ParameterBox box = NewBox(1, kind, "1", left, 50, innerWidth + 2, 40);
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

// Characters that differ from place to place, so a shift of the text shows.
std::string Counting(std::size_t length) {
    std::string text;
    for (int i = 0; text.size() < length; ++i) text += std::to_string(i) + " ";
    text.resize(length);
    return text;
}

} // namespace

TEST(AutoValueFontSize, TakesTheLargestSizeThatFitsBesideUnitsAndTitleAndThreeWhenFourFails) {
    const QString value = QStringLiteral("37.4");
    for (auto [w, h] : {std::pair{60, 30}, {100, 40}, {200, 120}, {40, 200}}) {
        const BoxGeometry g = Inner(w, h);
        const int s = AutoValueFontSize(value, g, 0, 0);
        EXPECT_TRUE(Fits(value, s, g, 0, 0)) << w << "x" << h;
        EXPECT_FALSE(Fits(value, s + 1, g, 0, 0)) << w << "x" << h;
        EXPECT_GT(s, 4);
    }
    EXPECT_EQ(AutoValueFontSize(value, Inner(8, 8), 0, 0), 3);
    EXPECT_EQ(AutoValueFontSize(value, Inner(-10, 0), 0, 0), 3);

    // The units' reserve and the title narrow the room.
    const BoxGeometry wide = Inner(100, 200); // width limits the size
    const int free = AutoValueFontSize(value, wide, 0, 0);
    const int reserved = AutoValueFontSize(value, wide, 0, 30);
    EXPECT_LT(reserved, free);
    EXPECT_FALSE(Fits(value, reserved + 1, wide, 0, 30));
    const BoxGeometry low = Inner(300, 40); // height limits the size
    EXPECT_LT(AutoValueFontSize(value, low, 15, 0), AutoValueFontSize(value, low, 0, 0));
}

TEST(UnitsFontSize, TenOrTheValueSizeBelowTenOrTwelveInLargeBoxes) {
    // The value's size, the inner width and height, and the units' size.
    const std::tuple<int, int, int, int> sizes[] = {
        {0, 100, 50, 10}, {7, 100, 50, 7}, {14, 100, 50, 10}, {7, 121, 101, 12}, {7, 120, 101, 7}};
    for (auto [value, width, height, units] : sizes) {
        ParameterBox box;
        box.TextFontSize = value;
        EXPECT_EQ(UnitsFontSize(box, Inner(width, height)), units)
            << value << " " << width << "x" << height;
    }
}

TEST(WorkingValueOf, RoamceUnitsFollowTheDefaultUnitsLastMatchingLineWinning) {
    ParameterCatalogue catalogue;
    ASSERT_EQ(catalogue.Load("speed,#001,#007\naltitude,#030\ndistance,#011,#007\nheading,#040\n"),
              "");
    RenderContext context;
    context.Catalogue = &catalogue;
    context.DefaultUnits = {1, 2, 1, 1}; // mph, nm, feet, magnetic
    ParameterBox box;
    box.Units = "roamce";
    box.TestText = "12";
    auto unitsFor = [&](const char* id) {
        box.ParameterId = id;
        return WorkingValueOf(box, context).Units;
    };
    // "feet" is shortened; 7's distance line comes after its speed line.
    const std::pair<const char*, const char*> units[] = {
        {"1", "mph"}, {"001", "mph"}, {"30", "ft"},    {"11", "nm"},
        {"7", "nm"},  {"40", "mag"},  {"99", "roamce"}};
    for (auto [id, shown] : units) EXPECT_EQ(unitsFor(id), shown) << id;
    context.Catalogue = nullptr;
    EXPECT_EQ(unitsFor("1"), "roamce");
    box.ShowUnits = 0;
    context.Catalogue = &catalogue;
    EXPECT_EQ(unitsFor("1"), "");
}

TEST(WorkingValueOf, ShortensUnitWordsAndSplitsSamplesThatCarryTheirUnits) {
    const std::pair<const char*, const char*> words[] = {
        {"Kilometers", "km"}, {"meters", "m"},       {"MILES", "mi"},
        {"feet", "ft"},       {"nm - meters", "nm"}, {"NM - Feet", "nm"},
        {"True", "tr"},       {"magnetic", "mag"},   {"kph", "kph"}};
    for (auto [word, shortened] : words) EXPECT_EQ(ShortUnitWord(word), shortened) << word;

    ParameterBox box;
    box.Units = "kph";
    box.TestText = "1:23:45 \thms extra";
    for (const char* id : {"050", "50", "16", "257", "357"}) {
        box.ParameterId = id;
        const WorkingValue w = WorkingValueOf(box, RenderContext{});
        EXPECT_EQ(w.Value, "1:23:45") << id;
        EXPECT_EQ(w.Units, "hms") << id;
    }
    box.ShowUnits = 0;
    EXPECT_EQ(WorkingValueOf(box, RenderContext{}).Units, "");
    box.ShowUnits = 1;
    box.ParameterId = "51";
    EXPECT_EQ(WorkingValueOf(box, RenderContext{}).Value, "1:23:45 \thms extra");
    box.ParameterId = "50";
    box.TestText = "1:23:45";
    EXPECT_EQ(WorkingValueOf(box, RenderContext{}).Units, "kph"); // one word: units as stored
}

TEST(DrawValueText, ValueAndUnitsShareOneBaseline) {
    ParameterBox box = NewBox(1, BoxKind::SingleParameter, "1", 0, 0, 160, 70);
    box.TestText = "88";
    box.Units = "km";
    box.Justification = "L";
    const QImage image = DrawAlone(box, 160, 70);
    const int units = TextWidth(QFontMetrics(BoxFont(10, true)), QStringLiteral("km"));
    const int valueBottom = LowestDarkRow(image, 2, 80);
    const int unitsBottom = LowestDarkRow(image, 160 - 2 - units, 157);
    ASSERT_GT(valueBottom, 0);
    EXPECT_NEAR(unitsBottom, valueBottom, 1);
}

TEST(DrawValueText, UnitsReserveNarrowsTheCentringWidth) {
    ParameterBox box = NewBox(1, BoxKind::SingleParameter, "1", 0, 0, 160, 60);
    box.TestText = "8";
    box.TextFontSize = 20;
    box.BorderColor = White;
    box.Units = "kph";
    const int reserve = TextWidth(QFontMetrics(BoxFont(10, true)), QStringLiteral("kph")) + 1;
    // The mean column of the dark pixels left of the units.
    auto valueCentre = [&](const QImage& image) {
        int sum = 0, count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < 160 - reserve - 2; ++x)
                if (qGray(image.pixel(x, y)) < 100) sum += x, ++count;
        return count ? sum / count : -1;
    };
    EXPECT_NEAR(valueCentre(DrawAlone(box, 160, 60)), (158 - reserve) / 2 + 1, 2);
    box.ShowUnits = 0;
    EXPECT_NEAR(valueCentre(DrawAlone(box, 160, 60)), 158 / 2 + 1, 2);
}

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

// Text longer than any box could show is cut before it is measured or drawn:
// the box looks as it does with the first 4,096 characters.
TEST(LongText, TitlesValuesAndCaptionsAreDrawnAsTheirFirst4096Characters) {
    const std::string longText = Counting(300000);
    const std::string shown = longText.substr(0, 4096);
    for (const char* kind : {BoxKind::Text, BoxKind::SingleParameter, BoxKind::Button}) {
        ParameterBox box = NewBox(1, kind, "1", 0, 0, 100, 60);
        box.TitleFontSize = 9;
        box.TextFontSize = 12;
        box.TitleText = longText;
        box.TestText = longText;
        const QImage drawn = DrawAlone(box);
        box.TitleText = box.TestText = shown;
        EXPECT_TRUE(drawn == DrawAlone(box)) << kind;
    }
    // Text of up to the bound is drawn whole.
    ParameterBox box = NewBox(1, BoxKind::Text, "1", 0, 0, 100, 60);
    box.TitleFontSize = 9;
    box.TitleText = shown;
    const QImage whole = DrawAlone(box);
    box.TitleText = shown.substr(0, 4000);
    EXPECT_FALSE(whole == DrawAlone(box));
}
