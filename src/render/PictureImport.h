#pragma once
// Pictures of any common format (PNG, JPEG, GIF, BMP) made into the 24-bit
// bitmaps the handheld reads.
#include <QImage>
#include <QSize>
#include <filesystem>
#include <optional>
#include <string>

#include "core/model/Dib.h"

namespace roamplot {

// No picture whose pixels would take more than this is decoded.
inline constexpr qint64 MostPictureBytes = 64ll << 20;

struct PictureRead {
    std::optional<Dib> Picture;
    std::string Error;      // why there is none, naming the file
    bool Converted = false; // not a bitmap file the handheld reads as it is
};

// A bitmap file the handheld reads is taken as it is; any other picture is
// decoded, after its size was checked against MostPictureBytes, and made a
// 24-bit bitmap whose transparent pixels are the key colour (255, 0, 255).
PictureRead ReadPictureFile(const std::filesystem::path& file);

// The image as a 24-bit bitmap: pixels less than half opaque become the key colour.
Dib DibWithKeyColour(const QImage& image);

// The image made to fit within the size, keeping its proportions.
Dib ScaledToFit(const Dib& picture, QSize room);

// Where the converted picture of `source` goes: the folder, the source's
// name with ".bmp".
std::filesystem::path ConvertedPictureName(const std::filesystem::path& folder,
                                           const std::filesystem::path& source);

} // namespace roamplot
