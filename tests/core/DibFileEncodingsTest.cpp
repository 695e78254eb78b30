// Run-length compressed and bit-field bitmap files: those ImageMagick wrote
// (tests/data/im-*.bmp, made by tests/data/make-imagemagick-bitmaps.sh) and
// hand-made ones for every code and every way a file can lie.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/DibFile.h"
#include "plain/TestFiles.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

constexpr uint32_t Rle8 = 1;
constexpr uint32_t Rle4 = 2;
constexpr uint32_t Bitfields = 3;

// A file with a 40-byte header, the masks after it, a grey palette for the
// indexed depths, and `data` as its pixel bytes.
std::string MakeFile(int bits, int32_t width, int32_t height, uint32_t compression,
                     const std::string& data, const std::vector<uint32_t>& masks = {}) {
    std::string header;
    for (uint32_t v : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
        PutU32(header, v);
    PutU16(header, 1);
    PutU16(header, static_cast<uint16_t>(bits));
    for (uint32_t v : {compression, static_cast<uint32_t>(data.size()), 0u, 0u, 0u, 0u})
        PutU32(header, v);
    for (uint32_t m : masks) PutU32(header, m);
    if (bits <= 8)
        for (uint32_t i = 0; i < (1u << bits); ++i) PutU32(header, i * 0x010101u);
    std::string file = "BM";
    for (std::size_t v : {14 + header.size() + data.size(), std::size_t{0}, 14 + header.size()})
        PutU32(file, static_cast<uint32_t>(v));
    return file + header + data;
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
