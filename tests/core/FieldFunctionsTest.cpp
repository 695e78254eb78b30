#include "plain/CoreTest.h"
#include <cstdint>

#include "core/model/Colour.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"

TEST(GetField, NumbersFieldsFromOneAndTrimsOnlySpaces) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"a,b,c", 1, "a"},         {"a,b,c", 3, "c"},  {"a,b,c", 4, "d"},
        {"a,,c", 2, "d"},          {"a,   ,c", 2, ""}, {"a,  x y  ,c", 2, "x y"},
        {"a,\tx\t,c", 2, "\tx\t"}, {"a,b,", 3, "d"},   {"", 1, "d"}};
    for (auto [line, field, value] : cases)
        EXPECT_EQ(GetField(line, field, "d"), value) << line << " " << field;
}

TEST(GetIntField, ReadsDecimalHexadecimalAndStripsLetters) {
    const std::pair<const char*, int> cases[] = {
        {"x,12 km", 12},      {"x,0x1F", 31}, {"x,0X1f", 31},       {"x,$1F", 31},
        {"x, $0000FF ", 255}, {"x,-42", -42}, {"x,   ", 7},         {"x", 7},
        {"x,abc", 7},         {"x,$xyz", 7},  {"x,99999999999", 7}, {"x,2147483647", 2147483647},
        {"x,$FFFFFFFF", -1}};
    for (auto [text, value] : cases) EXPECT_EQ(GetIntField(text, 2, 7), value) << text;
    EXPECT_EQ(GetIntField("x,-2147483648", 2, 7), INT32_MIN);
    EXPECT_EQ(GetIntField("x,1 2", 2, -1), -1);
}

TEST(StrToInt, IsStrictAndNamesTheTextWhenItFails) {
    EXPECT_EQ(StrToInt(" 15 "), 15);
    EXPECT_EQ(StrToInt("$10"), 16);
    try {
        StrToInt("abc");
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    for (const char* text : {"12 km", "", "-"}) EXPECT_FALSE(TryStrToInt(text)) << text;
}

TEST(PadZeros, PadsOnlyShortTexts) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"164", 3, "164"}, {"7", 2, "07"}, {"1234", 3, "1234"}, {"", 2, "00"}};
    for (auto [text, width, padded] : cases) EXPECT_EQ(PadZeros(text, width), padded);
}

TEST(RgbText, RoundTripsAndReadsFixedPositions) {
    Colour c = MakeColour(5, 10, 200);
    EXPECT_EQ(ColorToRgbText(c), "(005/010/200)");
    EXPECT_EQ(RgbTextToColor("(005/010/200)"), c);
    EXPECT_EQ(ColorToRgbText(MakeColour(0, 0, 160)), "(000/000/160)");
    EXPECT_EQ(RgbTextToColor("x128y128z128w"), MakeColour(128, 128, 128));
    EXPECT_THROW(RgbTextToColor("(abc/000/000)"), ConversionError);
    EXPECT_THROW(RgbTextToColor("(001/002"), ConversionError);
    // A text that ends inside a component reads the digits that exist.
    EXPECT_EQ(RgbTextToColor("(001/002/3"), MakeColour(1, 2, 3));
}

TEST(FileLines, AcceptsEveryLineEndAndCountsLines) {
    std::vector<std::pair<int, std::string_view>> seen;
    FileLines lines("a\r\nb\nc\rd\n\r\r\ne");
    while (const std::optional<FileLine> line = lines.Next())
        seen.emplace_back(line->Number, line->Text);
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string_view>>{
                        {1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, ""}, {6, ""}, {7, "e"}}));
    int count = 0;
    for (FileLines ends("a\r\n\r\n"); ends.Next();) ++count;
    EXPECT_EQ(count, 2);
}
