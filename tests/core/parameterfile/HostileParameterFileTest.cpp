// Files made to cost memory or time: each reproducer is built here, the large
// ones on the fly.
#include <gtest/gtest.h>

#include "ParameterFileFixtures.h"
#include "core/model/DibHex.h"
#include "core/model/FileLines.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

std::string Button(int page, const std::string& reference) {
    return "a1," + std::to_string(page) +
           ",1005,bb,0,0,10,10,B,7,(255/255/255),(000/000/128),0,0,1," + reference + "\r\n";
}

// Every slot of every page names the one symbol 0101.
std::string FullLayoutNaming0101() {
    std::string text = ParameterFileHeader;
    for (int p = 1; p <= MaxPages; ++p) {
        text += "b1," + std::to_string(p) + ",P\r\n";
        for (int s = 1; s <= SlotsPerPage; ++s) text += Button(p, "0101");
    }
    return text;
}

// The lines of a bitmap block, as the reader hands them to the decoder.
DibHexResult Decode(const DibHeader& header) {
    const std::string text = HexLines(DibHeaderToBytes(header));
    std::vector<std::string_view> lines;
    for (FileLines all(text); const std::optional<FileLine> line = all.Next();)
        lines.push_back(line->Text);
    return DibFromHexLines(lines);
}

std::string Block(const Dib& dib) {
    return HexLines(DibToBytes(dib)) + "END\r\n";
}

} // namespace

TEST(HostileParameterFiles, OneSymbolNamedByEveryBoxIsSharedNotCopied) {
    const Dib symbol = PatternDib(50, 60, 24, 7);
    Loaded l = LoadText(FullLayoutNaming0101() + "g1,0101,1,9040,s.bmp\r\n" + Block(symbol));
    const ParameterBox& first = l.Layout.Box(1, 1);
    ASSERT_TRUE(first.Symbol);
    EXPECT_EQ(*first.Symbol, symbol);
    for (int p = 1; p <= MaxPages; ++p)
        for (int s = 1; s <= SlotsPerPage; ++s)
            ASSERT_EQ(l.Layout.Box(p, s).Symbol.Shared(), first.Symbol.Shared()) << p << "/" << s;

    // A box that changes its picture gets its own; the others keep theirs.
    ParameterBox& changed = l.Layout.Box(3, 4);
    changed.Symbol.Edit().Pixels[0] ^= 0xFF;
    EXPECT_NE(changed.Symbol.Shared(), first.Symbol.Shared());
    EXPECT_NE(*changed.Symbol, symbol);
    EXPECT_EQ(*l.Layout.Box(3, 5).Symbol, symbol);
    ParameterBox copy = l.Layout.Box(1, 2);
    EXPECT_EQ(copy.Symbol.Shared(), first.Symbol.Shared());
}

TEST(HostileParameterFiles, HeadersAloneAllocateNoMoreThanTheirBlockCanFill) {
    DibHeader large;
    large.Width = 2048;
    large.Height = 2048;
    large.BitCount = 8;
    const std::string headerOnly = HexLines(DibHeaderToBytes(large)) + "END\r\n";
    std::string text = std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101");
    for (int i = 0; i < 2000; ++i) text += "g1,0101,1,64,x\r\n" + headerOnly;
    Loaded l = LoadText(text);
    EXPECT_FALSE(l.Layout.Box(1, 1).Symbol);
    ASSERT_EQ(l.Report.SymbolProblems.size(), 2000u);
    EXPECT_EQ(l.Report.SymbolProblems[0],
              "line 7: symbol 0101 refused: it holds 0 of its 4194304 pixel bytes");

    // A small picture cut short is still padded; one beyond the limit on padding is not.
    DibHeader small;
    small.Width = 128;
    small.Height = 128;
    small.BitCount = 32;
    EXPECT_TRUE(Decode(small).Picture);
    small.Height = 129;
    DibHexResult refused = Decode(small);
    EXPECT_FALSE(refused.Picture);
    EXPECT_EQ(refused.Refused, "it holds 0 of its 66048 pixel bytes");

    DibHeader wide;
    wide.Width = MostDibSide + 1;
    wide.Height = 1;
    EXPECT_EQ(DibHeaderProblem(wide), "size 4097 x 1 is larger than 4096");
}

TEST(HostileParameterFiles, MillionsOfLineEndsAreReadLineByLine) {
    // Line numbers count every line end, of either kind, in one walk.
    std::string text = std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101");
    text.append(3'000'000, '\n');
    text += std::string(1'000'000, '\r') + "a1,1,005,txt\r\n";
    text += "g1,0101,1,64,x\r\n";
    text.append(2'000'000, '\n');
    text += Block(PatternDib(2, 2, 24, 1));
    for (int i = 0; i < 33; ++i) text += "a1,1,005,txt\r\n";
    Loaded l = LoadText(text);
    EXPECT_EQ(l.Layout.BoxCount(1), 32);
    ASSERT_TRUE(l.Layout.Box(1, 1).Symbol);
    EXPECT_EQ(*l.Layout.Box(1, 1).Symbol, PatternDib(2, 2, 24, 1));
    ASSERT_EQ(l.Report.DroppedRecords.size(), 3u);
    EXPECT_EQ(l.Report.DroppedRecords[0].substr(0, 14), "line 6000042: ");
}

TEST(HostileParameterFiles, AHundredThousandMissingSymbolFilesAreEachListed) {
    std::string text = std::string(ParameterFileHeader) + "b1,1\r\n" + Button(1, "0101");
    for (int i = 0; i < 100000; ++i)
        text += "g1,0101,0,64,/nowhere/" + std::to_string(i) + ".bmp\r\n";
    Loaded l = LoadText(text);
    EXPECT_EQ(l.Report.MissingSymbolFiles.size(), 100000u);
    EXPECT_FALSE(l.Layout.Box(1, 1).Symbol);
}
