#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>

#include "RenderTestSupport.h"
#include "core/model/DibFile.h"
#include "plain/TempFolder.h"
#include "plain/TestFiles.h"
#include "render/PathText.h"
#include "render/PictureImport.h"

using namespace roamplot;
using namespace roamplot::test;

namespace {

const Colour Key = MakeColour(255, 0, 255);

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes.toStdString();
}

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::string& bytes, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (24 - 8 * i));
}

// ImageMagick is a tool of the Linux machine the suite is built on; under
// Wine the project's own reader is the one that reads the bitmaps back.
#ifdef Q_OS_WIN
constexpr bool WithImageMagick = false;
#else
constexpr bool WithImageMagick = true;
#endif

// The picture written as the converted bitmap is, and read back by the
// project's reader and by ImageMagick, an independent one.
struct ReadBack {
    Dib Ours;
    std::string ImageMagick; // "x,y: (r,g,b)" lines
};

ReadBack WriteAndReadBack(const TempFolder& work, const Dib& picture) {
    const std::string file = work.Write("converted.bmp", DibToBmp(picture));
    ReadBack back;
    DibReadResult ours = ReadDibFromBmpFile(file);
    EXPECT_TRUE(ours.Picture) << ours.Error;
    if (ours.Picture) back.Ours = *ours.Picture;
    if (!WithImageMagick) return back;
    QProcess convert;
    convert.start("convert", {QString::fromStdString(file), "-depth", "8", "txt:-"});
    EXPECT_TRUE(convert.waitForFinished(30000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    for (const QByteArray& line : convert.readAllStandardOutput().split('\n')) {
        if (line.startsWith('#') || line.isEmpty()) continue;
        // "0,0: (255,0,255)  #FF00FF  fuchsia"
        back.ImageMagick += line.left(line.indexOf(')') + 1).toStdString() + "\n";
    }
    return back;
}

bool HasLine(const std::string& text, const std::string& line) {
    return !WithImageMagick || text.find(line + "\n") != std::string::npos;
}

} // namespace

TEST(PictureImport, APngWithAlphaBecomesA24BitBitmapWithTheKeyColour) {
    TempFolder work;
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(200, 10, 20, 255));
    image.setPixel(2, 1, qRgba(0, 128, 255, 200)); // mostly opaque: kept
    image.setPixel(3, 2, qRgba(90, 90, 90, 40));   // mostly transparent: the key
    const std::string png = work.Write("alpha.png", Encoded(image, "PNG"));

    const PictureRead read = ReadPictureFile(png);
    ASSERT_TRUE(read.Picture) << read.Error;
    EXPECT_TRUE(read.Converted);
    EXPECT_EQ(read.Picture->BitCount(), 24);
    const ReadBack back = WriteAndReadBack(work, *read.Picture);
    EXPECT_EQ(back.Ours, *read.Picture);
    EXPECT_EQ(DibPixel(back.Ours, 0, 0), Key);
    EXPECT_EQ(DibPixel(back.Ours, 1, 0), MakeColour(200, 10, 20));
    EXPECT_EQ(DibPixel(back.Ours, 3, 2), Key);
    EXPECT_TRUE(HasLine(back.ImageMagick, "0,0: (255,0,255)")) << back.ImageMagick;
    EXPECT_TRUE(HasLine(back.ImageMagick, "1,0: (200,10,20)")) << back.ImageMagick;
    EXPECT_TRUE(HasLine(back.ImageMagick, "3,2: (255,0,255)")) << back.ImageMagick;
    // Premultiplied and back: within a step of the colour given.
    const Colour kept = DibPixel(back.Ours, 2, 1);
    EXPECT_NEAR(BlueOf(kept), 255, 2);
    EXPECT_NEAR(GreenOf(kept), 128, 2);
}

TEST(PictureImport, APaletteGifAndAJpegAreConvertedABitmapIsTakenAsItIs) {
    TempFolder work;
    // A palette GIF written by ImageMagick: see tests/data/make-imagemagick-bitmaps.sh.
    const PictureRead gif = ReadPictureFile(TestData("im-palette.gif"));
    ASSERT_TRUE(gif.Picture) << gif.Error;
    EXPECT_TRUE(gif.Converted);
    EXPECT_EQ(std::tuple(gif.Picture->Width(), gif.Picture->Height(), gif.Picture->BitCount()),
              std::tuple(16, 16, 24));
    const ReadBack back = WriteAndReadBack(work, *gif.Picture);
    EXPECT_EQ(DibPixel(back.Ours, 0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(DibPixel(back.Ours, 15, 15), MakeColour(0, 0, 255));
    EXPECT_TRUE(HasLine(back.ImageMagick, "0,0: (255,0,0)")) << back.ImageMagick;
    EXPECT_TRUE(HasLine(back.ImageMagick, "15,15: (0,0,255)")) << back.ImageMagick;

    QImage green(16, 16, QImage::Format_RGB32);
    green.fill(qRgb(20, 160, 40));
    const PictureRead jpeg = ReadPictureFile(work.Write("green.jpg", Encoded(green, "JPEG")));
    ASSERT_TRUE(jpeg.Picture) << jpeg.Error;
    EXPECT_TRUE(jpeg.Converted);
    const Colour middle = DibPixel(*jpeg.Picture, 8, 8);
    EXPECT_NEAR(RedOf(middle), 20, 6);
    EXPECT_NEAR(GreenOf(middle), 160, 6);
    EXPECT_NEAR(BlueOf(middle), 40, 6);

    const PictureRead bmp = ReadPictureFile(TestData("im-picture.bmp"));
    ASSERT_TRUE(bmp.Picture) << bmp.Error;
    EXPECT_FALSE(bmp.Converted) << "the handheld reads it as it is";
}

TEST(PictureImport, AHugeOrDamagedPictureIsRefusedWithAMessage) {
    TempFolder work;
    QImage small(1, 1, QImage::Format_RGB32);
    small.fill(Qt::white);
    std::string png = Encoded(small, "PNG");
    // The header claims 20,000 x 20,000: refused from the header alone.
    std::string huge = png;
    PutBigEndian(huge, 16, 20000);
    PutBigEndian(huge, 20, 20000);
    PutBigEndian(huge, 29, Crc32(huge.substr(12, 17)));
    const PictureRead refused = ReadPictureFile(work.Write("huge.png", huge));
    EXPECT_FALSE(refused.Picture);
    EXPECT_NE(refused.Error.find("20000 x 20000 pixels; pictures that take more than 64 MB"),
              std::string::npos)
        << refused.Error;

    QImage picture(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) picture.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 255));
    std::string damaged = Encoded(picture, "PNG");
    for (std::size_t i = 60; i < damaged.size() - 20; i += 7)
        damaged[i] = static_cast<char>(~damaged[i]);
    const PictureRead broken = ReadPictureFile(work.Write("damaged.png", damaged));
    EXPECT_FALSE(broken.Picture);
    EXPECT_NE(broken.Error.find("damaged"), std::string::npos) << broken.Error;
    EXPECT_NE(broken.Error.find("damaged.png"), std::string::npos) << broken.Error;

    EXPECT_FALSE(ReadPictureFile(work.Write("text.png", "not a picture")).Picture);
}

TEST(PictureImport, ALargePictureScalesToFitItsBoxAndTheNameEndsInBmp) {
    QImage wide(80, 40, QImage::Format_RGB32);
    wide.fill(qRgb(1, 2, 3));
    const Dib fitted = ScaledToFit(DibWithKeyColour(wide), {30, 30});
    EXPECT_EQ(std::tuple(fitted.Width(), fitted.Height(), fitted.BitCount()),
              std::tuple(30, 15, 24));
    EXPECT_EQ(ConvertedPictureName("/p/Symbols", "/home/me/Flag.icon.png"),
              std::filesystem::path("/p/Symbols/Flag.icon.bmp"));
}
