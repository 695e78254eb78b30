// Bitmap files: every depth, row order and header form, the run-length and
// bit-field files ImageMagick wrote (tests/data/im-*.bmp, made by
// tests/data/make-imagemagick-bitmaps.sh), and hand-made ones for every code
// and every way a file can lie.
#include "core/model/DibFile.h"
#include "plain/CoreTest.h"

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
    return BmpFile({.Width = PictureWidth,
                    .Height = recipe.TopDown ? -PictureHeight : PictureHeight,
                    .Bits = bits,
                    .Compression = recipe.Compression,
                    .HeaderSize = recipe.HeaderSize,
                    .ColoursUsed = recipe.ColoursUsed,
                    .PelsPerMeter = 2835,
                    .Masks = recipe.Masks},
                   table, rows);
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

constexpr uint32_t Rle8 = 1;
constexpr uint32_t Rle4 = 2;
constexpr uint32_t Bitfields = 3;

// A file with a 40-byte header, the masks after it, a grey palette for the
// indexed depths, and `data` as its pixel bytes.
std::string MakeFile(int bits, int32_t width, int32_t height, uint32_t compression,
                     const std::string& data, const std::vector<uint32_t>& masks = {}) {
    return BmpFile({.Width = width,
                    .Height = height,
                    .Bits = bits,
                    .Compression = compression,
                    .Masks = masks},
                   bits <= 8 ? GreyPalette(bits) : "", data);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

void ExpectUncompressedForm(const Dib& dib, int bits) {
    EXPECT_EQ(dib.Header.Compression, 0u);
    EXPECT_EQ(dib.BitCount(), bits);
    EXPECT_EQ(dib.Header.SizeImage, dib.Pixels.size());
    EXPECT_EQ(dib.Pixels.size(), dib.RowStride() * static_cast<std::size_t>(dib.Height()));
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

TEST(BitmapEncodings, ImageMagickFilesGiveThePixelsOfItsUncompressedFile) {
    struct Case {
        const char* File;
        const char* Uncompressed;
        uint16_t StoredBits;
        uint32_t StoredCompression;
        int Bits;
    };
    for (const Case& c : {Case{"im-picture-rle8.bmp", "im-picture.bmp", 8, Rle8, 8},
                          Case{"im-picture-argb32.bmp", "im-picture.bmp", 32, Bitfields, 24},
                          Case{"im-primaries-rgb565.bmp", "im-primaries.bmp", 16, Bitfields, 24},
                          Case{"im-primaries-rgb555.bmp", "im-primaries.bmp", 16, Bitfields, 24}}) {
        SCOPED_TRACE(c.File);
        const std::string bytes = TestDataBytes(c.File);
        // The fixture really is what it claims to be.
        ASSERT_GE(bytes.size(), 54u);
        ASSERT_EQ(static_cast<uint8_t>(bytes[28]), c.StoredBits);
        ASSERT_EQ(static_cast<uint8_t>(bytes[30]), c.StoredCompression);

        const Dib dib = MustReadBmp(bytes);
        const Dib reference = MustReadBmp(TestDataBytes(c.Uncompressed));
        ExpectUncompressedForm(dib, c.Bits);
        ASSERT_EQ(dib.Width(), reference.Width());
        ASSERT_EQ(dib.Height(), reference.Height());
        for (int y = 0; y < dib.Height(); ++y)
            for (int x = 0; x < dib.Width(); ++x)
                ASSERT_EQ(DibPixel(dib, x, y), DibPixel(reference, x, y)) << x << "," << y;
        if (c.Bits == 24) {
            EXPECT_EQ(dib.Pixels, reference.Pixels); // padding included
        }
        EXPECT_EQ(MustReadBmp(DibToBmp(dib)), dib);
    }
}

TEST(BitmapEncodings, EveryRunLengthCodeOfEightAndOfFourBits) {
    // 5 x 3, bottom row first: a run and an absolute group of odd length (with
    // its pad byte), an end of line, a delta over the middle row, a run, the end.
    const Dib eight = MustReadBmp(MakeFile(
        8, 5, 3, Rle8, Bytes({2, 1, 0, 3, 2, 3, 4, 0xEE, 0, 0, 0, 2, 2, 1, 3, 5, 0, 1, 9, 9})));
    ExpectUncompressedForm(eight, 8);
    ASSERT_EQ(eight.ColorTable.size(), 256u * 4);
    EXPECT_EQ(eight.Pixels, (std::vector<uint8_t>{1, 1, 2, 3, 4, 0, 0, 0, //
                                                  0, 0, 0, 0, 0, 0, 0, 0, //
                                                  0, 0, 5, 5, 5, 0, 0, 0}));

    // A run alternates its two indexes; an absolute group of 5 takes 3 bytes
    // and a pad; a delta moves right.
    const Dib four =
        MustReadBmp(MakeFile(4, 5, 3, Rle4, Bytes({5, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0xEE,
                                                   0, 0,    0, 2, 1, 0, 2,    0xAB, 0,    1})));
    ExpectUncompressedForm(four, 4);
    EXPECT_EQ(four.Pixels, (std::vector<uint8_t>{0x12, 0x12, 0x10, 0, //
                                                 0x34, 0x56, 0x70, 0, //
                                                 0x0A, 0xB0, 0x00, 0}));
    EXPECT_EQ(DibPixel(four, 2, 0), MakeColour(0x0B, 0x0B, 0x0B)); // the top row, third pixel
}

TEST(BitmapEncodings, RunsMayFillARowsPaddingButNotPassIt) {
    // ImageMagick codes the padding of each row; what lands there is dropped.
    EXPECT_EQ(MustReadBmp(MakeFile(8, 5, 1, Rle8, Bytes({8, 7, 0, 1}))).Pixels,
              (std::vector<uint8_t>{7, 7, 7, 7, 7, 0, 0, 0}));
    EXPECT_EQ(BmpError(MakeFile(8, 5, 3, Rle8, Bytes({6, 7, 3, 7, 0, 1}))),
              "a run passes the end of row 3 (counted from the top)");
    EXPECT_EQ(BmpError(MakeFile(8, 5, 3, Rle8, Bytes({0, 0, 0, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}))),
              "a run passes the end of row 2 (counted from the top)");
    EXPECT_EQ(BmpError(MakeFile(4, 5, 1, Rle4, Bytes({9, 0x11, 0, 1}))),
              "a run passes the end of row 1 (counted from the top)");
    EXPECT_EQ(BmpError(MakeFile(8, 5, 2, Rle8, Bytes({0, 0, 0, 0, 1, 7, 0, 1}))),
              "a run lies above the top row of the picture");
}

TEST(BitmapEncodings, ADeltaMayNotLeaveThePicture) {
    for (const std::string& codes : {Bytes({0, 2, 0, 3, 0, 1}), Bytes({0, 2, 9, 0, 0, 1}),
                                     Bytes({0, 2, 255, 255, 1, 1, 0, 1})})
        EXPECT_EQ(BmpError(MakeFile(8, 5, 3, Rle8, codes)),
                  "a delta code moves outside the picture");
    // To the top row's far end is inside.
    EXPECT_TRUE(ReadDibFromBmp(MakeFile(8, 5, 3, Rle8, Bytes({0, 2, 8, 2, 0, 1}))).Picture);
}

TEST(BitmapEncodings, AStreamCutShortIsRefusedAtEveryLength) {
    // Its rows never reach the top, so only the end-of-bitmap code ends it.
    const std::string data =
        Bytes({5, 1, 0, 0, 0, 2, 1, 0, 0, 4, 0x12, 0x34, 0x56, 0x78, 2, 3, 0, 1});
    const std::string whole = MakeFile(8, 5, 3, Rle8, data);
    ASSERT_TRUE(ReadDibFromBmp(whole).Picture);
    for (std::size_t cut = 1; cut <= data.size(); ++cut)
        EXPECT_EQ(BmpError(whole.substr(0, whole.size() - cut)),
                  "the run-length data ends before its end-of-bitmap code")
            << cut;
    // A stream that stops after the last row's end of line is whole.
    EXPECT_TRUE(ReadDibFromBmp(MakeFile(8, 5, 2, Rle8, Bytes({5, 1, 0, 0, 5, 2, 0, 0}))).Picture);
}

TEST(BitmapEncodings, RunLengthHeadersThatLieAreRefused) {
    const std::string end = Bytes({0, 1});
    EXPECT_EQ(BmpError(MakeFile(8, 5000, 1, Rle8, end)),
              "the bitmap is too large (5000 x 1, at most 4096 x 4096)");
    EXPECT_EQ(BmpError(MakeFile(4, 1, 4097, Rle4, end)),
              "the bitmap is too large (1 x 4097, at most 4096 x 4096)");
    EXPECT_EQ(BmpError(MakeFile(8, 5, -3, Rle8, end)),
              "a run-length compressed bitmap cannot be stored top-down");
    EXPECT_EQ(BmpError(MakeFile(4, 5, 3, Rle8, end)),
              "run-length compression 1 does not fit 4 bits per pixel");
    EXPECT_EQ(BmpError(MakeFile(8, 5, 3, Rle4, end)),
              "run-length compression 2 does not fit 8 bits per pixel");
    std::string longHeader = MakeFile(8, 5, 3, Rle8, end);
    longHeader[14 + 2] = 1; // a header of 65576 bytes
    EXPECT_EQ(BmpError(longHeader), "the file ends inside the bitmap header");

    // The largest picture from a few bytes takes its own rows and nothing more.
    const Dib largest = MustReadBmp(MakeFile(8, 4096, 4096, Rle8, end));
    EXPECT_EQ(largest.Pixels.size(), 4096u * 4096u);
    EXPECT_EQ(largest.Pixels.capacity(), 4096u * 4096u);
}

TEST(BitmapEncodings, SixteenAndThirtyTwoBitFieldsBecomeTwentyFourBits) {
    // Channels widen by repeating their high bits: 5-bit 16 is 132, 6-bit 33 is 134.
    const uint16_t rgb565 = (16 << 11) | (33 << 5) | 1;
    const uint16_t rgb555 = 0x8000 | (31 << 10) | (0 << 5) | 16; // the top bit is unused
    std::string rows565, rows555, rows888;
    for (uint16_t p : {rgb565, uint16_t{0xFFFF}}) PutU16(rows565, p);
    for (uint16_t p : {rgb555, uint16_t{0}}) PutU16(rows555, p);
    for (uint32_t p : {0xAA123456u, 0x00FFFFFFu}) PutU32(rows888, p);

    const Dib d565 =
        MustReadBmp(MakeFile(16, 2, 1, Bitfields, rows565, {0xF800u, 0x07E0u, 0x001Fu}));
    const Dib d555 = MustReadBmp(MakeFile(16, 2, 1, 0, rows555)); // uncompressed 16 bits
    const Dib d888 =
        MustReadBmp(MakeFile(32, 2, 1, Bitfields, rows888, {0xFF0000u, 0xFF00u, 0xFFu}));
    for (const Dib* dib : {&d565, &d555, &d888}) {
        ExpectUncompressedForm(*dib, 24);
        EXPECT_EQ(dib->Header.Size, 40u);
        EXPECT_TRUE(dib->ColorTable.empty());
    }
    EXPECT_EQ(DibPixel(d565, 0, 0), MakeColour(132, 134, 8));
    EXPECT_EQ(DibPixel(d565, 1, 0), White);
    EXPECT_EQ(DibPixel(d555, 0, 0), MakeColour(255, 0, 132));
    EXPECT_EQ(DibPixel(d555, 1, 0), Black);
    EXPECT_EQ(DibPixel(d888, 0, 0), MakeColour(0x12, 0x34, 0x56));
    EXPECT_EQ(DibPixel(d888, 1, 0), White);

    // Top-down rows come out bottom-up.
    std::string twoRows;
    for (uint16_t p : {uint16_t{0x7C00}, uint16_t{0x001F}}) {
        PutU16(twoRows, p);
        PutU16(twoRows, 0);
    }
    const Dib topDown = MustReadBmp(MakeFile(16, 1, -2, 0, twoRows));
    EXPECT_EQ(DibPixel(topDown, 0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(DibPixel(topDown, 0, 1), MakeColour(0, 0, 255));
}

TEST(BitmapEncodings, OtherMasksAndShortFilesAreRefused) {
    EXPECT_EQ(BmpError(MakeFile(16, 2, 1, Bitfields, std::string(4, '\0'), {0xF00, 0xF0, 0xF})),
              "the colour masks 0xF00/0xF0/0xF at 16 bits per pixel are not supported");
    EXPECT_EQ(
        BmpError(MakeFile(32, 2, 1, Bitfields, std::string(8, '\0'), {0xFF, 0xFF00, 0xFF0000})),
        "the colour masks 0xFF/0xFF00/0xFF0000 at 32 bits per pixel are not supported");
    EXPECT_EQ(
        BmpError(MakeFile(24, 2, 1, Bitfields, std::string(8, '\0'), {0xFF0000, 0xFF00, 0xFF})),
        "the colour masks 0xFF0000/0xFF00/0xFF at 24 bits per pixel are not supported");
    EXPECT_EQ(BmpError(MakeFile(16, 2, 1, Bitfields, "", {0xF800})),
              "the file ends inside the colour masks");
    EXPECT_EQ(BmpError(MakeFile(16, 3, 2, 0, std::string(12 - 1, '\0'))),
              "the file ends inside the pixel rows");
}
