#include "plain/CoreTest.h"
#include <algorithm>

#include "core/model/FieldFunctions.h"
#include "core/model/ParameterFileWriter.h"

namespace {

DeviceScreen Screen(int row) {
    DeviceScreen screen;
    screen.Row = row;
    return screen;
}

std::string Compose(const ScreenLayout& layout, int row = 0,
                    const ThumbnailRenderer& thumbnail = PlainThumbnail()) {
    return ComposeParameterFile(layout, Screen(row), thumbnail).Bytes;
}

ScreenLayout PagesLayout() {
    ScreenLayout layout;
    layout.PageAt(1).PageName = "Main, left";
    ParameterBox map = NewBox(1, "map", "2", 0, 0, 240, 200);
    map.BorderWidth = 2;
    map.BorderColor = MakeColour(0, 0, 160);
    map.TitleText = "not stored";

    ParameterBox text = NewBox(1, "txt", "5", 10, 20, 100, 30);
    text.TitleText = "Speed, km";
    text.TitleFontSize = 9;
    text.TitleBackStyle = 1;
    text.BorderWidth = 2;
    text.BorderRadius = 3;
    text.BorderColor = MakeColour(10, 20, 30);

    ParameterBox speed = NewBox(1, "sp", "12", 0, 200, 120, 40);
    speed.TitleText = "Speed";
    speed.BorderRadius = 4;
    speed.Justification = "L";
    speed.TextBackStyle = 3;
    speed.Units = "kph";
    speed.ShowUnits = 0;
    speed.Decimals = "2";
    speed.TestText = "never written";

    ParameterBox background = NewBox(1, "bg", "400", 120, 200, 120, 40);
    background.BorderWidth = 0;
    background.BorderColor = Grey;
    background.TextBackColor = MakeColour(200, 100, 50);
    background.TextBackStyle = 1;
    background.SymbolPlacement = 2; // placed, but there is no picture

    ParameterBox button = NewBox(1, "bb", "1005", 0, 250, 60, 30);
    button.TitleText = "Menu";
    button.TitleFontSize = 8;
    button.TitleBackColor = MakeColour(64, 64, 64);
    button.TitleBackStyle = 2;
    button.ButtonStyle = 1;
    button.BorderWidth = 5; // a button's border is not stored

    ParameterBox altitude = NewBox(1, "mp", "020", 120, 250, 120, 31);
    altitude.TitleText = "Alt";
    altitude.TitleFontSize = 10;
    altitude.TitleForeColor = Black;
    altitude.TitleBackColor = MakeColour(255, 255, 0);
    altitude.TitleBackStyle = 2;
    altitude.BorderWidth = 3;
    altitude.BorderColor = MakeColour(0, 255, 0);
    altitude.Justification = "R";
    altitude.TextFontSize = 14;
    altitude.TextForeColor = MakeColour(1, 2, 3);
    altitude.TextBackColor = MakeColour(4, 5, 6);
    altitude.TextBackStyle = 2;
    altitude.Units = "feet";

    ParameterBox position = NewBox(1, "np", "164", 0, 0, 1, 1);
    int slot = 1;
    for (const ParameterBox* box :
         {&map, &text, &speed, &background, &button, &altitude, &position}) {
        if (slot == 7) layout.Box(1, slot++) = NewBox(1, "new", "0", 5, 5, 60, 30);
        layout.Box(1, slot++) = *box;
    }
    // Page 2 stays empty; page 3 holds only a box whose parameter was not chosen.
    layout.Box(3, 1) = NewBox(3, "new", "0", 0, 0, 60, 30);
    return layout;
}

ScreenLayout SymbolsLayout() {
    ScreenLayout layout;
    layout.DeviceTypeCode = "HPC";
    ParameterBox hello = NewBox(1, "txt", "1", 0, 0, 50, 20);
    hello.TitleText = "Hello";
    layout.Box(1, 1) = hello;

    ParameterBox go =
        WithSymbol(NewBox(1, "bb", "1001", 50, 0, 40, 40), 1, ArrowDib(), "C:\\Symbols\\arrow.bmp");
    go.TitleText = "Go";
    layout.Box(1, 2) = go;

    // A picture that is not placed is not written.
    ParameterBox stop = WithSymbol(NewBox(1, "bb", "1002", 90, 0, 40, 40), 0,
                                   PatternDib(3, 3, 8, 1), "C:\\Symbols\\stop.bmp");
    stop.TitleText = "Stop";
    layout.Box(1, 3) = stop;

    for (int s = 1; s <= 6; ++s) layout.Box(4, s) = NewBox(4, "new", "0", 0, 0, 10, 10);
    ParameterBox back =
        WithSymbol(NewBox(4, "bb", "1001", 0, 100, 40, 40), 2, ArrowDib(), go.SymbolFile);
    back.TitleText = "Back";
    back.ButtonStyle = 3;
    layout.Box(4, 7) = back;

    layout.Box(4, 8) = WithSymbol(NewBox(4, "bg", "401", 40, 100, 100, 100), 3,
                                  PatternDib(50, 61, 24, 2), "C:\\Symbols\\big map.bmp");

    // A path that is part of another path is a file of its own.
    ParameterBox zoom =
        WithSymbol(NewBox(4, "bb", "1003", 140, 100, 40, 40), 4, ArrowDib(), "arrow.bmp");
    zoom.TitleText = "Zoom";
    layout.Box(4, 9) = zoom;
    return layout;
}

std::vector<std::string> LinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace

TEST(ParameterFileWriter, MatchesHandWrittenFiles) {
    EXPECT_EQ(Compose(ScreenLayout{}), TestDataBytes("writer_empty.par1"));
    EXPECT_EQ(Compose(PagesLayout()), TestDataBytes("writer_pages.par1"));
    EXPECT_EQ(Compose(SymbolsLayout(), 3, nullptr), TestDataBytes("writer_symbols.par1"));
}

TEST(ParameterFileWriter, SymbolsAreSharedByFileAndEmbeddedUpTo3000Pixels) {
    ParameterFileText text = ComposeParameterFile(SymbolsLayout(), Screen(3), nullptr);
    ASSERT_EQ(text.SymbolList.size(), 3u);
    EXPECT_EQ(std::tuple(text.SymbolList[0].Reference, text.SymbolList[1].Reference,
                         text.SymbolList[1].Embedded()),
              std::tuple("0102", "0408", false));

    ScreenLayout layout;
    const ParameterBox button = NewBox(1, "bb", "1001", 0, 0, 10, 10);
    layout.Box(1, 1) = WithSymbol(button, 1, PatternDib(50, 60, 24, 3), "exact.bmp");
    layout.Box(1, 2) = WithSymbol(button, 1, PatternDib(50, 61, 24, 3), "over.bmp");
    std::vector<std::string> symbolRecords;
    for (const std::string& line : LinesOf(Compose(layout)))
        if (line.rfind("g1,", 0) == 0) symbolRecords.push_back(line);
    EXPECT_EQ(symbolRecords,
              (std::vector<std::string>{"g1,0101,1,9040,exact.bmp", "g1,0102,0,9190,over.bmp"}));
}

TEST(ParameterFileWriter, BitmapBlockIsCutIntoLinesOf64Digits) {
    ScreenLayout layout;
    layout.Box(1, 1) = WithSymbol(NewBox(1, "bg", "400", 0, 0, 10, 10), 1,
                                  PatternDib(16, 16, 24, 4), "sixteen.bmp");
    std::vector<std::string> lines = LinesOf(Compose(layout, 0, nullptr));
    auto record = std::find(lines.begin(), lines.end(), "g1,0101,1,808,sixteen.bmp");
    ASSERT_NE(record, lines.end());
    std::vector<std::size_t> lengths;
    for (auto line = record + 1; line != lines.end() && *line != "END"; ++line)
        lengths.push_back(line->size());
    std::vector<std::size_t> expected(25, 64);
    expected.push_back(16);
    EXPECT_EQ(lengths, expected);
    EXPECT_EQ(lines.back(), "END");
    // The pixels start after the header, upper case, in stored order.
    EXPECT_EQ((record + 2)->substr(16, 8), "446382A1");
}

TEST(ParameterFileWriter, PicturesWithoutAFileAreNeverShared) {
    ScreenLayout layout;
    for (int s = 1; s <= 2; ++s)
        layout.Box(1, s) =
            WithSymbol(NewBox(1, "bb", "1001", 0, 0, 10, 10), 1, PatternDib(2, 2, 4, s), "");
    ParameterFileText text = ComposeParameterFile(layout, Screen(0), nullptr);
    ASSERT_EQ(text.SymbolList.size(), 2u);
    EXPECT_NE(text.Bytes.find("a1,1,1001,bb,0,0,10,10,,7,(255/255/255),(000/000/128),0,0,1,0102"),
              std::string::npos);
}
