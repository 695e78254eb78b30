#pragma once
// Reading and writing Windows bitmap files (.bmp) as Dib values.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/Colour.h"
#include "core/model/Dib.h"

namespace roamplot {

struct DibReadResult {
    std::optional<Dib> Picture;
    std::string Error; // what is wrong with the file; empty when Picture holds the bitmap
};

// Reads a bitmap file of 1, 4, 8, 16, 24 or 32 bits per pixel, rows bottom-up
// or top-down, with a 40-byte or larger (V4, V5) information header. The
// result is always in the one form the handheld reads (see Dib.h): run-length
// compressed 4- and 8-bit files are decoded, 16-bit files and bit-field files
// with the usual masks become 24 bits; other masks are refused.
DibReadResult ReadDibFromBmp(std::string_view bytes);
// The same for a file on disk; the error names the file.
DibReadResult ReadDibFromBmpFile(const std::filesystem::path& path);

// The bytes of a .bmp file holding the Dib: file header, information header,
// colour table and pixel rows.
std::string DibToBmp(const Dib& dib);

// The colour of pixel (x, y), y counted from the top row; black outside the picture.
Colour DibPixel(const Dib& dib, int x, int y);

} // namespace roamplot
