#pragma once
// The run-length compression of 4- and 8-bit bitmap files, decoded into the
// uncompressed rows the rest of the program uses.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace roamplot {

// Decodes `data` (the bytes from the pixel offset on) of a bottom-up picture of
// 4 or 8 bits into `pixels`: rows bottom-up, padded as Dib.h says, pixels no
// code reaches left at palette index 0. Returns why the data cannot be
// decoded, or the empty text. Never writes outside the picture and allocates
// only its rows.
std::string DecodeRunLength(std::string_view data, int bits, int32_t width, int32_t height,
                            std::vector<uint8_t>& pixels);

} // namespace roamplot
