#include <gtest/gtest.h>

#include <random>

#include "ParameterFileFixtures.h"
#include "core/model/DibHex.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

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
