#include "core/io/FileNames.h"
#include "plain/CoreTest.h"

namespace {

const char* Arrow = "2800000004000000020000000100180000000000180000000000000000000000\r\n"
                    "00000000000000000000FF0000FF0000FF0000FFFF0000FF0000FF0000FF0000\r\n";

std::array<int, 4> RectOf(const ParameterBox& box) {
    return {box.Left, box.Top, box.Width, box.Height};
}

std::string Button(int slot, const std::string& reference, int style = 0) {
    return "a1,1,1005,bb," + std::to_string(slot * 10) + ",0,10,10,B" + std::to_string(slot) +
           ",7,(255/255/255),(000/000/128),0," + std::to_string(style) + ",1," + reference + "\r\n";
}

} // namespace

TEST(ParameterFileReader, PagesAreNumberedByTheirRecords) {
    Loaded l =
        LoadText(std::string(ParameterFileHeader) + "b1,1,First\r\na1,1,002,map,0,0,240,200\r\n" +
                 "b1,3,Third\r\na1,3,005,txt,1,2,3,4,Hi\r\n");
    EXPECT_EQ(std::tuple(l.Report.Version, l.Layout.PageAt(1).PageName, l.Layout.PageAt(2).PageName,
                         l.Layout.Box(2, 1).Kind, l.Layout.Box(2, 1).PageNo, l.Layout.BoxCount(3),
                         l.Layout.PageAt(3).PageName),
              std::tuple(2, "First", "Third", "txt", 2, 0, "Page 3"));

    // A page whose boxes were all unfinished keeps its place with one unfinished box.
    Loaded draft =
        LoadText(std::string(ParameterFileHeader) + "b1,1,Draft\r\nb1,2,Real\r\na1,2,002,map\r\n");
    EXPECT_EQ(std::tuple(draft.Layout.PageAt(1).PageName, draft.Layout.BoxCount(1),
                         draft.Layout.Box(1, 1).Kind, draft.Layout.Box(2, 1).Kind),
              std::tuple("Draft", 1, "new", "map"));
}

TEST(ParameterFileReader, BoxesAreClampedToTheDrawingArea) {
    Loaded l =
        LoadText(std::string(ParameterFileHeader) + "b1,1,P\r\n" + "a1,1,002,map,-5,10,100,20\r\n" +
                 "a1,1,002,map,200,-3,100,300\r\n" + "a1,1,002,map,10,10,20,20\r\n");
    EXPECT_EQ(RectOf(l.Layout.Box(1, 1)), (std::array{0, 10, 100, 20}));
    EXPECT_EQ(RectOf(l.Layout.Box(1, 2)), (std::array{200, 0, 40, 281}));
    EXPECT_EQ(l.Report.ClampedBoxes.size(), 2u);
    EXPECT_EQ(l.Report.ClampedBoxes[1], "line 7: box 2 of page 1 clamped to the drawing area");
}

TEST(ParameterFileReader, TheScreenRecordChoosesTheScreenAndWithoutOneBoxesKeepTheirSize) {
    Loaded l;
    l.Settings.Screen.Row = 6; // 640 x 240
    l.Report = LoadParameterBytes(l.Layout, l.Settings, SmallCatalogue(),
                                  "b1,1,P\r\na1,1,002,map,300,10,200,100\r\n", nullptr);
    EXPECT_EQ(RectOf(l.Layout.Box(1, 1)), (std::array{300, 10, 200, 100}));
    EXPECT_TRUE(l.Report.ClampedBoxes.empty());

    Loaded landscape =
        LoadText("Device Type,HPC\r\ns1,320,240,320,201\r\nb1,1,P\r\na1,1,002,map\r\n");
    // The file's own code is kept for the next save.
    EXPECT_EQ(std::tuple(landscape.Settings.Screen.Row, landscape.Layout.DeviceTypeCode),
              std::tuple(1, "HPC"));

    Loaded custom = LoadText("Device Type,PPC\r\ns1,800,600,800,561\r\nb1,1,P\r\na1,1,002,map\r\n");
    const DeviceScreen& screen = custom.Settings.Screen;
    EXPECT_EQ(std::tuple(screen.Row, screen.CustomWidth, screen.CustomHeight),
              std::tuple(CustomDeviceRow, 800, 600));

    // A screen no handheld has is refused; the current screen stays.
    Loaded absurd = LoadText("s1,99999999,5,0,0\r\nb1,1,P\r\na1,1,002,map,0,0,10,10\r\n");
    EXPECT_EQ(std::tuple(absurd.Settings.Screen.Row, absurd.Report.DroppedRecords.size()),
              std::tuple(0, 1u));
    // A screen record cut short clamps to the screen's own drawing area.
    Loaded cut = LoadText("s1,240,320\r\nb1,1,P\r\na1,1,002,map,0,0,240,300\r\n");
    EXPECT_EQ(cut.Layout.Box(1, 1).Height, 281);
}

TEST(ParameterFileReader, KindFieldsTakeDefaultsAndDerivedValues) {
    Loaded l = LoadText(std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0000", 1) +
                        Button(2, "0000", 0) + "a1,1,012,sp,0,0,50,50,S,,,,,,,,,,,,,,,1\r\n" +
                        "a1,1,164,np,0,0,50,50,Pos,,,,,,,,,,,,,,,2\r\n" + "a1,1,012,sp\r\n" +
                        "a1,1,005,txt,0,0,50,50,Note\r\n");
    EXPECT_EQ(l.Layout.PageAt(1).PageName, "Page 1 (Main Map)");
    auto box = [&l](int slot) -> const ParameterBox& { return l.Layout.Box(1, slot); };
    EXPECT_EQ(std::tuple(box(1).BorderRadius, box(1).BorderColor, box(2).BorderRadius,
                         box(2).BorderColor),
              std::tuple(6, Grey, 0, Black));
    EXPECT_EQ(std::tuple(box(3).TestText, box(3).Units, box(3).TitleFontSize, box(3).TitleBackColor,
                         box(3).BorderColor),
              std::tuple("12.0", "kph", 11, MakeColour(0, 0, 160), Grey));
    EXPECT_EQ(std::tuple(box(4).TestText, box(5).TestText, box(5).Width),
              std::tuple("12.345", "12", 48));
}

TEST(ParameterFileReader, RecordsBeyondTheModelAreDroppedAndCounted) {
    std::string text = std::string(ParameterFileHeader) + "a1,1,002,map\r\n";
    for (int p = 1; p <= 21; ++p) {
        text += "b1," + std::to_string(p) + ",P" + std::to_string(p) + "\r\n";
        int boxes = p == 2 ? 33 : 1;
        for (int b = 0; b < boxes; ++b) text += "a1,1,005,txt,0,0,5,5\r\n";
    }
    Loaded l = LoadText(text);
    // Dropped: the box before any page, the 33rd box, page 21 and its box.
    EXPECT_EQ(std::tuple(l.Report.DroppedRecords.size(), l.Layout.BoxCount(2),
                         l.Layout.PageAt(20).PageName, l.Settings.NumberOfPages),
              std::tuple(4u, 32, "P20", 20));
}

TEST(ParameterFileReader, AnErrorEndsAPassAndKeepsWhatWasRead) {
    Loaded l = LoadText(std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101") +
                        "a1,1,005,txt,0,0,5,5,T,7,(25x/000/000)\r\n" + Button(3, "0101") +
                        ";\r\ng1,0101,1,64,arrow.bmp\r\n" + Arrow + " END \r\nb1,2\r\n");
    EXPECT_EQ(l.Layout.BoxCount(1), 1);
    EXPECT_EQ(l.Report.EndedPass,
              "line 7: reading of the layout ended: '25x' is not a valid integer value");
    // The symbols are read all the same, and the block ends at the padded "END".
    const ParameterBox& box = l.Layout.Box(1, 1);
    ASSERT_TRUE(box.Symbol);
    EXPECT_EQ(
        std::tuple(*box.Symbol, box.SymbolFile, box.SymbolPlacement, l.Report.SymbolFileLabel),
        std::tuple(ArrowDib(), "arrow.bmp", 1, "arrow.bmp"));
}

// The writer never writes a symbol before its box, but a hand-edited file may.
TEST(ParameterFileReader, ASymbolRecordBeforeItsBoxStillGivesThePicture) {
    Loaded l = LoadText(std::string(ParameterFileHeader) + "g1,0101,1,64,early.bmp\r\n" + Arrow +
                        "END\r\nb1,1\r\n" + Button(1, "0101") + Button(2, "0101"));
    for (int slot : {1, 2}) {
        const ParameterBox& box = l.Layout.Box(1, slot);
        ASSERT_TRUE(box.Symbol) << slot;
        EXPECT_EQ(std::tuple(*box.Symbol, box.SymbolFile, box.SymbolPlacement),
                  std::tuple(ArrowDib(), "early.bmp", 1));
    }
}

TEST(ParameterFileReader, MissingSymbolFilesGiveNoPicture) {
    std::string text = std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101") +
                       Button(2, "0102") + Button(3, "0103") + "g1,0101,1,64,C:\\a.bmp\r\n" +
                       Arrow + "END\r\n" + "g1,0102,0,9190,C:\\Symbols\\gone.bmp\r\n" +
                       "g1,0103,0,64," + std::string(TEST_DATA_DIR) + "/writer_empty.par1\r\n";
    std::vector<std::string> asked;
    Loaded l = LoadText(text, [&asked](const std::filesystem::path& path) {
        asked.push_back(PathToText(path));
        return SymbolFileResult{std::nullopt, "not a bitmap file"};
    });
    EXPECT_TRUE(l.Layout.Box(1, 1).Symbol);
    const ParameterBox& missing = l.Layout.Box(1, 2);
    EXPECT_EQ(std::tuple(missing.Symbol.has_value(), missing.SymbolFile, missing.SymbolPlacement),
              std::tuple(false, "C:\\Symbols\\gone.bmp", 0));
    EXPECT_EQ(l.Report.MissingSymbolFiles, std::vector<std::string>{"C:\\Symbols\\gone.bmp"});
    // A file that exists but holds no picture is read once and reported.
    EXPECT_EQ(std::tuple(asked.size(), l.Layout.Box(1, 3).Symbol.has_value(),
                         l.Report.SymbolProblems.size()),
              std::tuple(1u, false, 1u));
}

TEST(ParameterFileReader, DamagedBlocksNeverReadPastTheText) {
    const std::string start =
        std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101") + "g1,0101,1,64,a\r\n";
    // Cut short: the missing pixels are zeros.
    Loaded cut =
        LoadText(start + "2800000004000000020000000100180000000000180000000000000000000000\r\n"
                         "00000000000000000000FF\r\n");
    ASSERT_TRUE(cut.Layout.Box(1, 1).Symbol);
    const Dib& padded = *cut.Layout.Box(1, 1).Symbol;
    EXPECT_EQ(std::tuple(padded.Pixels.size(), padded.Pixels[2], padded.Pixels[3]),
              std::tuple(24u, 0xFF, 0));

    // A header that claims 100000 x 100000 pixels is refused, not allocated.
    Loaded huge = LoadText(start + "28000000A0860100A0860100010018000000000000000000\r\nEND\r\n");
    EXPECT_EQ(
        std::tuple(huge.Layout.Box(1, 1).Symbol.has_value(), huge.Report.SymbolProblems.size()),
        std::tuple(false, 1u));

    // A line of odd length shifts the digit pairs onto the line break: the pass ends.
    Loaded odd = LoadText(
        start + "280\r\n00000004000000020000000100180000000000180000000000000000000000\r\n");
    EXPECT_FALSE(odd.Layout.Box(1, 1).Symbol);
    EXPECT_NE(odd.Report.EndedPass.find("reading of the symbols ended"), std::string::npos);
}

TEST(ParameterFileReader, Version1ReadsOldRecordsInFileOrderUpToAnIdentifierThatIsNoNumber) {
    Loaded l = LoadText(TestDataBytes("version1_interleaved.par1"));
    EXPECT_EQ(std::tuple(l.Report.Version, l.Layout.PageAt(1).PageName, l.Layout.PageAt(2).PageName,
                         l.Settings.NumberOfPages, l.Layout.BoxCount(1), l.Layout.BoxCount(2)),
              std::tuple(1, "Main", "Page 1 (Main Map)", 7, 2, 2));
    const ParameterBox& speed = l.Layout.Box(2, 1);
    EXPECT_EQ(std::tuple(speed.Kind, speed.TestText, speed.Units, speed.TextBackColor,
                         speed.TitleBackColor),
              std::tuple("sp", "12.5", "kph", MakeColour(0, 255, 0), MakeColour(0, 0, 128)));
    const ParameterBox &map = l.Layout.Box(1, 1), &text = l.Layout.Box(1, 2);
    EXPECT_EQ(std::tuple(map.Kind, map.BorderColor, text.TitleText, text.BorderWidth),
              std::tuple("map", Grey, "Hello", 3));
    // Old files are not clamped.
    EXPECT_EQ(std::tuple(l.Layout.Box(2, 2).Kind, l.Layout.Box(2, 2).Left), std::tuple("bb", -5));

    // An identifier that is no number stops the reading.
    Loaded stopped = LoadText("pg1,1,A\r\np1,002,map,1\r\np1,abc,sp,1\r\np1,002,map,2\r\n");
    EXPECT_EQ(std::tuple(stopped.Report.StopError, stopped.Layout.BoxCount(1),
                         stopped.Layout.BoxCount(2)),
              std::tuple("'abc' is not a valid integer value", 1, 0));
}

TEST(ParameterFileReader, AFileWithoutBoxRecordsChangesNothing) {
    Loaded l;
    l.Layout.Box(1, 1) = NewBox(1, "map", "2", 0, 0, 5, 5);
    l.Layout.Modified = true;
    l.Report = LoadParameterBytes(l.Layout, l.Settings, SmallCatalogue(),
                                  std::string(ParameterFileHeader) + "b1,1,P\r\n", nullptr);
    EXPECT_EQ(std::tuple(l.Report.Version, l.Layout.Box(1, 1).InUse(), l.Layout.Modified),
              std::tuple(0, true, true));
}
