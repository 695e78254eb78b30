#pragma once
// 16- and 32-bit bitmap files whose pixels are bit fields, converted to the
// 24-bit rows the rest of the program uses.
#include <cstdint>
#include <string_view>
#include <vector>

namespace roamplot {

struct ColourMasks {
    uint32_t Red = 0;
    uint32_t Green = 0;
    uint32_t Blue = 0;
};

// What an uncompressed 16-bit file holds.
inline constexpr ColourMasks Masks555{0x7C00u, 0x03E0u, 0x001Fu};

// True for the masks we convert: 5-6-5 and 5-5-5 at 16 bits, 8-8-8 at 32.
bool AreUsualMasks(int bits, const ColourMasks& masks);

// The 24-bit rows, bottom-up and padded as Dib.h says, of `rows`: the file's
// pixel rows of `bits` (16 or 32), stored top-down when `topDown`. `rows`
// holds every row whole.
std::vector<uint8_t> MaskedRowsTo24Bits(std::string_view rows, int bits, int32_t width,
                                        int32_t height, bool topDown, const ColourMasks& masks);

} // namespace roamplot
