#include <gtest/gtest.h>

#include "core/model/Colour.h"
#include "core/model/FieldFunctions.h"
#include "core/model/FileLines.h"

using namespace roamplot;

TEST(GetField, NumbersFieldsFromOneAndTrimsOnlySpaces) {
    EXPECT_EQ(GetField("a,b,c", 1, "d"), "a");
    EXPECT_EQ(GetField("a,b,c", 3, "d"), "c");
    EXPECT_EQ(GetField("a,b,c", 4, "d"), "d");
    EXPECT_EQ(GetField("a,,c", 2, "d"), "d");
    EXPECT_EQ(GetField("a,   ,c", 2, "d"), "");
    EXPECT_EQ(GetField("a,  x y  ,c", 2, "d"), "x y");
    EXPECT_EQ(GetField("a,\tx\t,c", 2, "d"), "\tx\t");
    EXPECT_EQ(GetField("a,b,", 3, "d"), "d");
    EXPECT_EQ(GetField("", 1, "d"), "d");
}

TEST(GetIntField, ReadsDecimalHexadecimalAndStripsLetters) {
    EXPECT_EQ(GetIntField("x,12 km", 2, -1), 12);
    EXPECT_EQ(GetIntField("x,1 2", 2, -1), -1);
    EXPECT_EQ(GetIntField("x,0x1F", 2, -1), 31);
    EXPECT_EQ(GetIntField("x,0X1f", 2, -1), 31);
    EXPECT_EQ(GetIntField("x,$1F", 2, -1), 31);
    EXPECT_EQ(GetIntField("x, $0000FF ", 2, -1), 255);
    EXPECT_EQ(GetIntField("x,-42", 2, 0), -42);
    EXPECT_EQ(GetIntField("x,   ", 2, 7), 7);
    EXPECT_EQ(GetIntField("x", 2, 7), 7);
    EXPECT_EQ(GetIntField("x,abc", 2, 7), 7);
    EXPECT_EQ(GetIntField("x,$xyz", 2, 7), 7);
    EXPECT_EQ(GetIntField("x,99999999999", 2, 7), 7);
    EXPECT_EQ(GetIntField("x,2147483647", 2, 7), 2147483647);
    EXPECT_EQ(GetIntField("x,-2147483648", 2, 7), -2147483647 - 1);
    EXPECT_EQ(GetIntField("x,$FFFFFFFF", 2, 7), -1);
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
    EXPECT_FALSE(TryStrToInt("12 km"));
    EXPECT_FALSE(TryStrToInt(""));
    EXPECT_FALSE(TryStrToInt("-"));
}

TEST(PadZeros, PadsOnlyShortTexts) {
    EXPECT_EQ(PadZeros("164", 3), "164");
    EXPECT_EQ(PadZeros("7", 2), "07");
    EXPECT_EQ(PadZeros("1234", 3), "1234");
    EXPECT_EQ(PadZeros("", 2), "00");
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
