#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/DibFile.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

// A 3 x 2 picture: the top row red, green, blue; the bottom row white, black, magenta.
const std::vector<Colour> TopDownColours{
    MakeColour(255, 0, 0), MakeColour(0, 255, 0), MakeColour(0, 0, 255), White, Black,
    TransparentKey};
constexpr int PictureWidth = 3;
constexpr int PictureHeight = 2;

struct BmpRecipe {
    int Bits = 24;
    bool TopDown = false;
    uint32_t HeaderSize = 40;
    uint32_t Compression = 0;
    // How many palette entries the file stores (0: all of them).
    uint32_t ColoursUsed = 0;
    std::vector<uint32_t> Masks = {}; // after a 40-byte header, or inside a larger one
};

// A colour as the file stores it: blue, green, red and a zero byte.
uint32_t Stored(Colour c) {
    return static_cast<uint32_t>(BlueOf(c) | GreenOf(c) << 8 | RedOf(c) << 16);
}

// The indexed depths hold the colours in palette order, so 1-bit files use the first two.
std::string MakeBmp(const BmpRecipe& recipe) {
    const int bits = recipe.Bits;
    std::string table;
    const std::size_t stored =
        bits <= 8 ? (recipe.ColoursUsed ? recipe.ColoursUsed : (1u << bits)) : 0;
    for (std::size_t i = 0; i < stored; ++i)
        PutU32(table, i < TopDownColours.size() ? Stored(TopDownColours[i]) : 0);
    std::string masksAfterHeader;
    if (recipe.HeaderSize == 40)
        for (uint32_t m : recipe.Masks) PutU32(masksAfterHeader, m);

    std::string rows;
    for (int r = 0; r < PictureHeight; ++r) {
        const int y = recipe.TopDown ? r : PictureHeight - 1 - r; // picture row held by file row r
        std::string row(Dib::RowStrideFor(PictureWidth, bits), '\0');
        for (int x = 0; x < PictureWidth; ++x) {
            const int index = y * PictureWidth + x;
            if (bits > 8) {
                std::string pixel;
                PutU32(pixel, Stored(TopDownColours[static_cast<std::size_t>(index)]));
                row.replace(static_cast<std::size_t>(x * bits / 8), bits / 8, pixel, 0, bits / 8);
            } else {
                const int bit = x * bits;
                row[bit / 8] = static_cast<char>(row[bit / 8] | (bits == 1 ? index % 2 : index)
                                                                    << (8 - bits - bit % 8));
            }
        }
        rows += row;
    }

    std::string header;
    for (uint32_t v : {recipe.HeaderSize, uint32_t{PictureWidth},
                       static_cast<uint32_t>(recipe.TopDown ? -PictureHeight : PictureHeight)})
        PutU32(header, v);
    PutU16(header, 1);
    PutU16(header, static_cast<uint16_t>(bits));
    for (uint32_t v : {recipe.Compression, static_cast<uint32_t>(rows.size()), 2835u, 2835u,
                       recipe.ColoursUsed, 0u})
        PutU32(header, v);
    for (uint32_t m : recipe.Masks)
        if (recipe.HeaderSize > 40) PutU32(header, m);
    header.resize(recipe.HeaderSize, '\0');

    const std::size_t offset = 14 + header.size() + masksAfterHeader.size() + table.size();
    std::string file = "BM";
    for (std::size_t v : {offset + rows.size(), std::size_t{0}, offset})
        PutU32(file, static_cast<uint32_t>(v));
    return file + header + masksAfterHeader + table + rows;
}

void ExpectPictureColours(const Dib& dib, int bits) {
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            const std::size_t index = static_cast<std::size_t>(y * PictureWidth + x);
            const Colour expected = bits == 1 ? TopDownColours[index % 2] : TopDownColours[index];
            EXPECT_EQ(DibPixel(dib, x, y), expected) << bits << " bits, pixel " << x << "," << y;
        }
}

// A file made from the recipe with 32-bit fields overwritten, and the error it must give.
struct Refusal {
    BmpRecipe Recipe;
    std::vector<std::pair<std::size_t, uint32_t>> Patches;
    std::string Error;
    bool WholeMessage; // or a part of it
};

void ExpectRefusals(const std::vector<Refusal>& rows) {
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.Error);
        std::string bytes = MakeBmp(row.Recipe);
        for (const auto& [at, value] : row.Patches) SetU32(bytes, at, value);
        const std::string error = BmpError(bytes);
        if (row.WholeMessage)
            EXPECT_EQ(error, row.Error);
        else
            EXPECT_NE(error.find(row.Error), std::string::npos) << error;
    }
}

} // namespace

TEST(ReadDibFromBmp, EveryDepthAndRowOrderGivesTheOneStoredForm) {
    for (int bits : {1, 4, 8, 24, 32}) {
        for (bool topDown : {false, true}) {
            const Dib dib = MustReadBmp(MakeBmp({.Bits = bits, .TopDown = topDown}));
            SCOPED_TRACE(std::to_string(bits) + (topDown ? " top-down" : " bottom-up"));
            const DibHeader& h = dib.Header;
            EXPECT_EQ(std::tuple(h.Size, h.Width, h.Height, h.BitCount, h.Compression, h.ClrUsed,
                                 h.XPelsPerMeter, h.SizeImage),
                      std::tuple(40u, PictureWidth, PictureHeight, bits, 0u, 0u, 2835,
                                 Dib::RowStrideFor(PictureWidth, bits) * PictureHeight));
            EXPECT_EQ(dib.Pixels.size(), dib.Header.SizeImage);
            EXPECT_EQ(dib.ColorTable.size(), Dib::ColorTableEntriesFor(bits) * 4);
            ExpectPictureColours(dib, bits);
            EXPECT_EQ(MustReadBmp(DibToBmp(dib)), dib);
        }
        EXPECT_EQ(MustReadBmp(MakeBmp({.Bits = bits, .TopDown = true})),
                  MustReadBmp(MakeBmp({.Bits = bits})));
    }
}

TEST(ReadDibFromBmp, ShortColourTableIsPaddedWithZeros) {
    const Dib dib = MustReadBmp(MakeBmp({.Bits = 8, .ColoursUsed = 6}));
    ASSERT_EQ(dib.ColorTable.size(), 256u * 4);
    EXPECT_EQ(dib.Header.ClrUsed, 0u);
    EXPECT_EQ(dib.ColorTable[5 * 4 + 2], 255); // magenta's red
    for (std::size_t i = 6 * 4; i < dib.ColorTable.size(); ++i)
        ASSERT_EQ(dib.ColorTable[i], 0) << i;
    ExpectPictureColours(dib, 8);
}

TEST(ReadDibFromBmp, LargerHeadersAndPlainMasksAreReducedToTheInformationHeader) {
    const std::vector<uint32_t> plain{0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    const Dib v5 =
        MustReadBmp(MakeBmp({.Bits = 32, .HeaderSize = 124, .Compression = 3, .Masks = plain}));
    const Dib v4 = MustReadBmp(MakeBmp({.Bits = 24, .HeaderSize = 108}));
    for (const Dib* dib : {&v5, &v4}) {
        EXPECT_EQ(dib->Header.Size, 40u);
        EXPECT_EQ(dib->Header.Compression, 0u);
        EXPECT_EQ(dib->BitCount(), 24);
        ExpectPictureColours(*dib, 24);
    }
    EXPECT_EQ(v5, MustReadBmp(MakeBmp({.Bits = 24})));
}

TEST(ReadDibFromBmp, UnsupportedEncodingsAreRefusedByName) {
    ExpectRefusals({
        {{.Bits = 24}, {{28, 2}}, "2 bits per pixel are not supported", true},
        {{.Bits = 24, .Compression = 4}, {}, "compression type 4 is not supported", true},
        {{.Bits = 24}, {{14, 12}}, "OS/2", false},
    });
    EXPECT_EQ(BmpError("GIF89a and more bytes"), "it is not a Windows bitmap file");
}

TEST(ReadDibFromBmp, TruncatedFilesAreRefusedAtEveryLength) {
    for (int bits : {1, 8, 24}) {
        const std::string whole = MakeBmp({.Bits = bits});
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const std::string cut = whole.substr(0, length);
            DibReadResult result = ReadDibFromBmp(cut);
            EXPECT_FALSE(result.Picture) << bits << " bits cut to " << length;
            EXPECT_FALSE(result.Error.empty());
        }
    }
    EXPECT_EQ(BmpError(MakeBmp({.Bits = 24}).substr(0, 60)), "the file ends inside the pixel rows");
}

TEST(ReadDibFromBmp, HeadersThatLieAreRefusedWithoutReadingOrAllocatingWhatTheyClaim) {
    // Width at 18, height at 22 (negative: top-down), colours used at 46, pixel offset at 10.
    ExpectRefusals({
        {{.Bits = 24}, {{18, 4000}, {22, 4000}}, "the file ends inside the pixel rows", true},
        // The limit every picture shares, whatever file it comes from.
        {{.Bits = 24},
         {{18, 32768}, {22, 1}},
         "the bitmap is too large (32768 x 1, at most 4096 x 4096)",
         true},
        {{.Bits = 24},
         {{18, 1}, {22, static_cast<uint32_t>(-4097)}},
         "the bitmap is too large (1 x 4097, at most 4096 x 4096)",
         true},
        {{.Bits = 24}, {{18, 0x7FFFFFFF}}, "too large", false},
        {{.Bits = 8}, {{46, 300}}, "300 entries", false},
        {{.Bits = 24}, {{10, 0xFFFFFF00u}}, "outside the file", false},
        {{.Bits = 24}, {{18, 0}}, "no pixels", false},
        {{.Bits = 24}, {{14, 0x10000}}, "the file ends inside the bitmap header", true},
    });
}
