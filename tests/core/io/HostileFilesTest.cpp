// Files that are not what they claim, or made to cost memory or time: folders,
// pipes, devices and huge files; damaged and lying parameter files; millions of
// line ends; memory running out. Each reproducer is built here, the large ones
// on the fly.
#include "HeapPeak.h"
#include "core/app/DesignerSettings.h"
#include "core/app/ListSummary.h"
#include "core/app/SettingsFile.h"
#include "core/io/FileIo.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileReader.h"
#include "core/model/DibFile.h"
#include "core/model/DibHex.h"
#include "core/model/FileLines.h"
#include "plain/CoreTest.h"
#include <random>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

// A file of the given size that takes no room on the disk.
std::string SparseFile(const TempFolder& folder, const char* name, std::uintmax_t size,
                       std::string_view start = {}) {
    std::string path = folder.Write(name, start);
    std::filesystem::resize_file(path, size);
    return path;
}

// `lines` empty lines ended by LF, lone CR and CR LF in turn.
std::string Flood(int lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 4 / 3 + 2);
    for (int i = 0; i < lines / 3; ++i) text += "\n\r\r\n";
    return text;
}

CommandCatalogue FourCommands() {
    CommandCatalogue catalogue;
    catalogue.Load(
        "3,No Action,\r\n5,Zoom In,Zoom +\r\n12,Next Page,Next\r\n31,Mark,Mark here\r\n");
    return catalogue;
}

// What a read may hold besides the file's bytes.
std::size_t Allowance(std::size_t fileSize) {
    return 2 * fileSize + (1u << 20);
}

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

// What every load must leave, however bad the file: boxes in slots 1 to n of
// their own page, sizes any screen could hold, pictures only where they may be
// and whole.
void ExpectConsistent(const ScreenLayout& layout, const DesignerSettings& settings,
                      const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_GE(settings.NumberOfPages, 1);
    EXPECT_LE(settings.NumberOfPages, MaxPages);
    EXPECT_TRUE(DeviceScreen::IsValidRow(settings.Screen.Row));
    for (int p = 1; p <= MaxPages; ++p) {
        bool freeSeen = false;
        for (int s = 1; s <= SlotsPerPage; ++s) {
            const ParameterBox& box = layout.Box(p, s);
            if (!box.InUse()) {
                freeSeen = true;
                EXPECT_FALSE(box.Symbol);
                continue;
            }
            EXPECT_FALSE(freeSeen) << "gap before slot " << s << " of page " << p;
            EXPECT_EQ(box.PageNo, p);
            EXPECT_GE(box.Width, 0);
            EXPECT_GE(box.Height, 0);
            EXPECT_LE(std::abs(box.Left) + box.Width, 2 * 4096);
            EXPECT_LE(std::abs(box.Top) + box.Height, 2 * 4096);
            if (box.Symbol) {
                EXPECT_TRUE(box.Kind == "bb" || box.Kind == "bg");
                EXPECT_EQ(DibHeaderProblem(box.Symbol->Header), "");
                EXPECT_EQ(box.Symbol->Pixels.size(), DibImageSize(box.Symbol->Header));
            } else {
                EXPECT_EQ(box.SymbolPlacement, 0);
            }
        }
    }
}

void LoadAndCheck(const std::string& bytes, const std::string& what) {
    const Loaded loaded = LoadText(bytes);
    ExpectConsistent(loaded.Layout, loaded.Settings, what);
}

} // namespace

TEST(ReadFileBytes, ReadsOnlyRegularFilesUpToTheLimit) {
    TempFolder folder;
    EXPECT_EQ(ReadFileBytes(folder.Write("plain.par1", "a1\r\n")), "a1\r\n");
    EXPECT_EQ(UnreadableReason(folder.File("plain.par1")), "");

    // A folder used to read as an empty file, and a key file named like one as an empty map.
    CommandCatalogue catalogue;
    for (const char* name : {"folder.key1", "folder.key2"}) {
        std::filesystem::create_directory(folder.File(name));
        EXPECT_FALSE(ReadFileBytes(folder.File(name)));
        EXPECT_EQ(UnreadableReason(folder.File(name)), "it is a folder.");
        KeyMap map;
        EXPECT_EQ(ReadKeyFile(folder.File(name), catalogue, map).Error,
                  "Cannot open file \"" + folder.File(name) + "\": it is a folder.");
    }

#ifndef _WIN32 // pipes and devices in the file system are POSIX's
    // A pipe used to block the reader for ever.
    ASSERT_EQ(mkfifo(folder.File("pipe.par1").c_str(), 0600), 0);
    EXPECT_FALSE(ReadFileBytes(folder.File("pipe.par1")));
    EXPECT_FALSE(ReadFileStart(folder.File("pipe.par1"), 54));
    EXPECT_EQ(UnreadableReason(folder.File("pipe.par1")), "it is not a regular file.");

    // A device used to grow until memory ran out.
    EXPECT_FALSE(ReadFileBytes("/dev/zero"));
    EXPECT_EQ(UnreadableReason("/dev/zero"), "it is not a regular file.");
#endif

    const std::string large = SparseFile(folder, "large.ini", MostFileBytes + 1);
    EXPECT_FALSE(ReadFileBytes(large));
    EXPECT_EQ(UnreadableReason(large), "it is larger than 128 MiB.");
    EXPECT_EQ(ReadFileStart(large, 4), std::string(4, '\0'));
    EXPECT_EQ(UnreadableReason(folder.File("absent")), "it does not exist.");
}

TEST(ReadDibFromBmpFile, ChecksTheHeadersBeforeReadingTheFile) {
    TempFolder folder;
    // Larger than any file we read whole: the header check alone refuses it.
    const std::string text = SparseFile(folder, "notes.bmp", MostFileBytes + 1, "Dear diary");
    EXPECT_EQ(ReadDibFromBmpFile(text).Error,
              "\"notes.bmp\" cannot be used as a picture: it is not a Windows bitmap file.");

    const std::string header = BmpFile({.Width = 32768, .Height = 32768}, "", "");
    const std::string huge = SparseFile(folder, "huge.bmp", MostFileBytes + 1, header);
    EXPECT_EQ(ReadDibFromBmpFile(huge).Error,
              "\"huge.bmp\" cannot be used as a picture: the bitmap is too large (32768 x 32768, "
              "at most 4096 x 4096).");
}

TEST(SummariseLines, KeepsShortListsAndCountsTheRestOfLongOnes) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 100000; ++i) lines.push_back("missing" + std::to_string(i) + ".bmp");
    std::vector<std::string> summary = SummariseLines(lines);
    ASSERT_EQ(summary.size(), SummaryLines + 1);
    EXPECT_EQ(summary.front(), "missing1.bmp");
    EXPECT_EQ(summary[SummaryLines - 1], "missing10.bmp");
    EXPECT_EQ(summary.back(), "... and 99990 more");
    lines.resize(SummaryLines);
    EXPECT_EQ(SummariseLines(lines), lines);
}

// The key file and settings file readers walk millions of line ends once, find
// the lines between them, and hold little more than the file's own bytes.

// Reads a flooded key file with one of the readers, holding its heap to the allowance.
template <class Reader>
KeyFileReadResult ReadFloodedKeys(const char* name, const std::string& text, Reader read,
                                  KeyMap& map) {
    TempFolder folder;
    const std::string path = folder.Write(name, text);
    const CommandCatalogue catalogue = FourCommands();
    HeapPeak peak;
    const KeyFileReadResult result = read(path, catalogue, map);
    EXPECT_LT(peak.Bytes(), Allowance(text.size()));
    return result;
}

TEST(LineEndFloods, TaggedKeyFileIsReadLineByLine) {
    const std::string flood = Flood(3'000'000);
    const std::string text = ";Hardware keys\r\n" + flood + "a3,Left,12\r\n" + flood +
                             "c1,2,5,31,Mark\r" + flood + "b1,4,193,5";
    KeyMap map;
    const KeyFileReadResult result = ReadFloodedKeys("flood.key2", text, ReadKeyFile2, map);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(map.HardwareKeys,
              (std::array<int32_t, HardwareKeyCount>{0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}));
    KeyMap expected;
    *expected.FindScreenButton(2, 5) = {3, "Mark"};
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);
}

TEST(LineEndFloods, PositionalKeyFileCountsOnlyItsDataLines) {
    // The sixteenth data line is the first screen button line however many
    // empty lines come between them.
    const std::string flood = Flood(400'000);
    std::string text;
    for (int key = 0; key < HardwareKeyCount; ++key)
        text += flood + "Key," + std::to_string(key % 2 ? 31 : 5) + "\r\n";
    text += flood + "3,9,12,Next" + flood + "1,1,abc,Broken\r\n";
    KeyMap map;
    const KeyFileReadResult result = ReadFloodedKeys("flood.key1", text, ReadKeyFile1, map);
    EXPECT_EQ(result.Error, "'abc' is not a valid integer value");
    for (int key = 0; key < HardwareKeyCount; ++key)
        EXPECT_EQ(map.HardwareKeys[static_cast<std::size_t>(key)], key % 2 ? 3 : 1) << key;
    KeyMap expected;
    *expected.FindScreenButton(3, 9) = {2, "Next"};
    EXPECT_EQ(map.ScreenButtons, expected.ScreenButtons);
}

TEST(LineEndFloods, SettingsFileIsReadLineByLine) {
    const std::string flood = Flood(3'000'000);
    const std::string text = "[Settings]" + flood + "No of Pages=7" + flood + "[buttons]\r" +
                             flood + "Filename=/maps/flood.key2" + flood;
    TempFolder folder;
    const std::string path = folder.Write("flood.ini", text);
    HeapPeak peak;
    const SettingsFile file(path);
    const DesignerSettings settings = ReadDesignerSettings(file);
    EXPECT_LT(peak.Bytes(), Allowance(text.size()));
    EXPECT_EQ(settings.NumberOfPages, 7);
    EXPECT_EQ(settings.KeyFileName, std::filesystem::path("/maps/flood.key2"));
    EXPECT_EQ(settings.AdjustStep, "1");
}

// Memory running out while a layout loads: the load fails as a whole instead
// of ending at the record it was reading as if that record were bad.
TEST(OutOfMemoryLoad, FailsTheWholeLoadAndKeepsNoPartOfIt) {
    std::string text = std::string(ParameterFileHeader) + "b1,1,P\r\n";
    for (int slot = 1; slot <= 15; ++slot) {
        const std::string title = slot == 2 ? std::string(4 << 20, 'T') : "Box";
        text += "a1,1,005,txt,0," + std::to_string(slot * 12) + ",40,12," + title + "\r\n";
    }
    ScreenLayout layout;
    DesignerSettings settings;
    ParameterFileLoadReport report;
    {
        HeapCeiling ceiling(1 << 20);
        report = LoadParameterBytes(layout, settings, SmallCatalogue(), text, nullptr);
    }
    EXPECT_FALSE(report.Readable);
    EXPECT_EQ(report.ReadError, "There is not enough memory to load the layout.");
    EXPECT_EQ(report.EndedPass, "");
    // What was read before memory ran out is not passed off as the layout.
    EXPECT_FALSE(layout.Box(1, 1).InUse());

    // With the memory it needs, the same file loads whole.
    report = LoadParameterBytes(layout, settings, SmallCatalogue(), text, nullptr);
    EXPECT_TRUE(report.Readable);
    EXPECT_TRUE(layout.Box(1, 15).InUse());
}

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

TEST(DamagedParameterFiles, CutShortAnywhereOrBytesChangedAtRandom) {
    const std::string file =
        TestDataBytes("writer_symbols.par1") + TestDataBytes("writer_pages.par1");
    for (std::size_t length = 0; length <= file.size(); length += 7)
        LoadAndCheck(file.substr(0, length), "cut at " + std::to_string(length));
    std::mt19937 random(7);
    const std::string alphabet = std::string("0123456789ABCDEF,;-\r\n ag1b") + '\0' + "\xFF";
    for (int round = 0; round < 300; ++round) {
        std::string damaged = file;
        for (int change = 0; change < 1 + round % 8; ++change) {
            std::size_t at = random() % damaged.size();
            damaged[at] = alphabet[random() % alphabet.size()];
        }
        LoadAndCheck(damaged, "round " + std::to_string(round));
    }
}

TEST(DamagedParameterFiles, BinaryHugeAndLyingInput) {
    std::mt19937 random(11);
    std::string binary(100000, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    LoadAndCheck("a1,1,002,map\r\n" + binary, "binary");

    const std::string header = "s1,240,320,240,281\r\nb1,1\r\n";
    LoadAndCheck(header + "a1,1,002,map,0,0," + std::string(3'000'000, '9') + "\r\n",
                 "a line of megabytes");
    LoadAndCheck(header + "a1,1,002,map,2147483647,2147483647,2147483647,2147483647\r\n" +
                     "a1,1,002,map,-2147483648,-2147483648,-2147483648,-2147483648\r\n",
                 "absurd numbers");
    LoadAndCheck(std::string(header) + std::string(5000, ',') + "\r\n" +
                     "a1,1,1005,bb,0,0,9,9,,,,,,0,1,0101\r\ng1,0101,1,1,x\r\n" +
                     "28000000FFFFFF7F01000000010018000000000000000000\r\nEND\r\n",
                 "a header that lies");
    LoadAndCheck("pg1,99999,x\r\npg1,-4\r\np1,002,map,0\r\np1,002,map,2147483647\r\n",
                 "old pages out of range");
}

// A settings file far larger than any the designer writes is neither read nor
// replaced: the designer starts on its defaults and says so once.
TEST(LargeSettingsFile, IsNotReadAndNeverOverwritten) {
    TempFolder folder;
    std::string text = "[Settings]\r\nNo of Pages=7\r\n";
    const std::string comment = "; " + std::string(1000, 'x') + "\r\n";
    while (text.size() <= (16u << 20)) text += comment;
    const std::string path = folder.Write("s.ini", text);

    SettingsFile file(path);
    std::vector<std::string> notices;
    DesignerSettings settings = ReadDesignerSettings(file, &notices);
    EXPECT_EQ(settings.NumberOfPages, 5);
    EXPECT_EQ(notices, std::vector<std::string>{
                           "The settings file " + path +
                           " is larger than 16 MiB, so it was not read: the designer starts with "
                           "its defaults and leaves the file as it is."});
    settings.NumberOfPages = 9;
    EXPECT_EQ(WriteDesignerSettingsAtClose(file, settings), "");
    EXPECT_TRUE(folder.Read("s.ini") == text) << "the file was overwritten";

    // Just under the bound it is read as always.
    text.resize(16u << 20);
    SettingsFile smaller(folder.Write("s.ini", text));
    notices.clear();
    EXPECT_EQ(ReadDesignerSettings(smaller, &notices).NumberOfPages, 7);
    EXPECT_TRUE(notices.empty());
}
