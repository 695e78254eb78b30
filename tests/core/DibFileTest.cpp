#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/DibFile.h"

using namespace roamplot;

namespace {

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 255));
}
void PutU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 255));
    out.push_back(static_cast<char>(v >> 8));
}
void SetU32(std::string& bytes, std::size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 255);
}

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

// Palette index of each colour for the indexed depths: the colours in order,
// so 1-bit files only use the first two.
std::string MakeBmp(const BmpRecipe& recipe) {
    const int bits = recipe.Bits;
    const std::size_t stride = Dib::RowStrideFor(PictureWidth, bits);
    const std::size_t stored =
        bits <= 8 ? (recipe.ColoursUsed ? recipe.ColoursUsed : (1u << bits)) : 0;
    std::string table;
    for (std::size_t i = 0; i < stored; ++i) {
        const Colour c = i < TopDownColours.size() ? TopDownColours[i] : Black;
        table.push_back(static_cast<char>(BlueOf(c)));
        table.push_back(static_cast<char>(GreenOf(c)));
        table.push_back(static_cast<char>(RedOf(c)));
        table.push_back(0);
    }
    std::string masksAfterHeader;
    if (recipe.HeaderSize == 40)
        for (uint32_t m : recipe.Masks) PutU32(masksAfterHeader, m);

    std::string rows;
    for (int r = 0; r < PictureHeight; ++r) {
        const int y = recipe.TopDown ? r : PictureHeight - 1 - r; // picture row held by file row r
        std::string row(stride, '\0');
        for (int x = 0; x < PictureWidth; ++x) {
            const std::size_t index = static_cast<std::size_t>(y * PictureWidth + x);
            const Colour c = TopDownColours[index];
            const auto ux = static_cast<std::size_t>(x);
            const int paletteIndex =
                bits == 1 ? static_cast<int>(index % 2) : static_cast<int>(index);
            switch (bits) {
            case 1:
                row[ux / 8] = static_cast<char>(row[ux / 8] | (paletteIndex << (7 - ux % 8)));
                break;
            case 4:
                row[ux / 2] = static_cast<char>(row[ux / 2] | (paletteIndex << (ux % 2 ? 0 : 4)));
                break;
            case 8:
                row[ux] = static_cast<char>(paletteIndex);
                break;
            default: {
                const std::size_t at = ux * static_cast<std::size_t>(bits / 8);
                row[at] = static_cast<char>(BlueOf(c));
                row[at + 1] = static_cast<char>(GreenOf(c));
                row[at + 2] = static_cast<char>(RedOf(c));
            }
            }
        }
        rows += row;
    }

    std::string header;
    PutU32(header, recipe.HeaderSize);
    PutU32(header, PictureWidth);
    PutU32(header, static_cast<uint32_t>(recipe.TopDown ? -PictureHeight : PictureHeight));
    PutU16(header, 1);
    PutU16(header, static_cast<uint16_t>(bits));
    PutU32(header, recipe.Compression);
    PutU32(header, static_cast<uint32_t>(rows.size()));
    PutU32(header, 2835);
    PutU32(header, 2835);
    PutU32(header, recipe.ColoursUsed);
    PutU32(header, 0);
    for (uint32_t m : recipe.Masks)
        if (recipe.HeaderSize > 40) PutU32(header, m);
    header.resize(recipe.HeaderSize, '\0');

    const uint32_t offset =
        static_cast<uint32_t>(14 + header.size() + masksAfterHeader.size() + table.size());
    std::string file = "BM";
    PutU32(file, offset + static_cast<uint32_t>(rows.size()));
    PutU32(file, 0);
    PutU32(file, offset);
    return file + header + masksAfterHeader + table + rows;
}

Dib MustRead(const std::string& bytes) {
    DibReadResult result = ReadDibFromBmp(bytes);
    EXPECT_TRUE(result.Picture) << result.Error;
    return result.Picture ? *result.Picture : Dib{};
}

void ExpectPictureColours(const Dib& dib, int bits) {
    for (int y = 0; y < PictureHeight; ++y)
        for (int x = 0; x < PictureWidth; ++x) {
            const std::size_t index = static_cast<std::size_t>(y * PictureWidth + x);
            const Colour expected = bits == 1 ? TopDownColours[index % 2] : TopDownColours[index];
            EXPECT_EQ(DibPixel(dib, x, y), expected) << bits << " bits, pixel " << x << "," << y;
        }
}

std::string ErrorOf(const std::string& bytes) {
    DibReadResult result = ReadDibFromBmp(bytes);
    EXPECT_FALSE(result.Picture);
    return result.Error;
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
        const std::string error = ErrorOf(bytes);
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
            const Dib dib = MustRead(MakeBmp({.Bits = bits, .TopDown = topDown}));
            SCOPED_TRACE(std::to_string(bits) + (topDown ? " top-down" : " bottom-up"));
            EXPECT_EQ(dib.Header.Size, 40u);
            EXPECT_EQ(dib.Header.Width, PictureWidth);
            EXPECT_EQ(dib.Header.Height, PictureHeight);
            EXPECT_EQ(dib.Header.BitCount, bits);
            EXPECT_EQ(dib.Header.Compression, 0u);
            EXPECT_EQ(dib.Header.ClrUsed, 0u);
            EXPECT_EQ(dib.Header.XPelsPerMeter, 2835);
            EXPECT_EQ(dib.Header.SizeImage, Dib::RowStrideFor(PictureWidth, bits) * PictureHeight);
            EXPECT_EQ(dib.Pixels.size(), dib.Header.SizeImage);
            EXPECT_EQ(dib.ColorTable.size(), Dib::ColorTableEntriesFor(bits) * 4);
            ExpectPictureColours(dib, bits);
        }
        EXPECT_EQ(MustRead(MakeBmp({.Bits = bits, .TopDown = true})),
                  MustRead(MakeBmp({.Bits = bits})));
    }
}

TEST(ReadDibFromBmp, ShortColourTableIsPaddedWithZeros) {
    const Dib dib = MustRead(MakeBmp({.Bits = 8, .ColoursUsed = 6}));
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
        MustRead(MakeBmp({.Bits = 32, .HeaderSize = 124, .Compression = 3, .Masks = plain}));
    const Dib v4 = MustRead(MakeBmp({.Bits = 24, .HeaderSize = 108}));
    const Dib masked = MustRead(MakeBmp({.Bits = 32, .Compression = 3, .Masks = plain}));
    for (const Dib* dib : {&v5, &v4, &masked}) {
        EXPECT_EQ(dib->Header.Size, 40u);
        EXPECT_EQ(dib->Header.Compression, 0u);
        EXPECT_EQ(dib->BitCount(), 24);
        ExpectPictureColours(*dib, 24);
    }
    EXPECT_EQ(v5, MustRead(MakeBmp({.Bits = 24})));
}

TEST(ReadDibFromBmp, UnsupportedEncodingsAreRefusedByName) {
    ExpectRefusals({
        {{.Bits = 32, .Compression = 3, .Masks = {0xF800, 0x07E0, 0x001F}},
         {},
         "colour masks",
         false},
        {{.Bits = 24}, {{28, 2}}, "2 bits per pixel are not supported", true},
        {{.Bits = 24, .Compression = 4}, {}, "compression type 4 is not supported", true},
        {{.Bits = 24}, {{14, 12}}, "OS/2", false},
    });
    EXPECT_EQ(ErrorOf("GIF89a and more bytes"), "it is not a Windows bitmap file");
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
    EXPECT_EQ(ErrorOf(MakeBmp({.Bits = 24}).substr(0, 60)), "the file ends inside the pixel rows");
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

TEST(DibToBmp, WritesAFileThatReadsBackTheSame) {
    for (int bits : {1, 4, 8, 24, 32}) {
        const Dib dib = MustRead(MakeBmp({.Bits = bits, .TopDown = true}));
        EXPECT_EQ(MustRead(DibToBmp(dib)), dib) << bits;
    }
}
