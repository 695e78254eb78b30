#include "core/model/BmpBitFields.h"

#include <bit>

#include "core/model/Dib.h"

namespace roamplot {

namespace {

// One channel: where its bits lie and how they widen to 8 bits, the high bits
// repeated into the low ones so that the largest value becomes 255.
class Channel {
  public:
    explicit Channel(uint32_t mask)
        : mask_(mask), shift_(std::countr_zero(mask)), width_(std::popcount(mask)) {}

    uint8_t Of(uint32_t pixel) const {
        if (width_ == 0) return 0;
        const uint32_t value = (pixel & mask_) >> shift_;
        uint32_t wide = value;
        int bits = width_;
        for (; bits < 8; bits += width_) wide = (wide << width_) | value;
        return static_cast<uint8_t>(wide >> (bits - 8));
    }

  private:
    uint32_t mask_;
    int shift_;
    int width_;
};

bool Is(const ColourMasks& a, const ColourMasks& b) {
    return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

} // namespace

bool AreUsualMasks(int bits, const ColourMasks& masks) {
    if (bits == 16) return Is(masks, Masks555) || Is(masks, {0xF800u, 0x07E0u, 0x001Fu});
    return bits == 32 && Is(masks, {0x00FF0000u, 0x0000FF00u, 0x000000FFu});
}

std::vector<uint8_t> MaskedRowsTo24Bits(std::string_view rows, int bits, int32_t width,
                                        int32_t height, bool topDown, const ColourMasks& masks) {
    const Channel red(masks.Red), green(masks.Green), blue(masks.Blue);
    const std::size_t from = Dib::RowStrideFor(width, bits);
    const std::size_t to = Dib::RowStrideFor(width, 24);
    const auto bytesPerPixel = static_cast<std::size_t>(bits / 8);
    std::vector<uint8_t> out(to * static_cast<std::size_t>(height), 0);
    for (int32_t row = 0; row < height; ++row) {
        const auto fileRow = static_cast<std::size_t>(topDown ? height - 1 - row : row);
        const char* in = rows.data() + fileRow * from;
        uint8_t* target = out.data() + static_cast<std::size_t>(row) * to;
        for (int32_t x = 0; x < width; ++x) {
            uint32_t pixel = 0;
            for (std::size_t i = bytesPerPixel; i-- > 0;)
                pixel = (pixel << 8) | static_cast<uint8_t>(in[i]);
            in += bytesPerPixel;
            *target++ = blue.Of(pixel);
            *target++ = green.Of(pixel);
            *target++ = red.Of(pixel);
        }
    }
    return out;
}

} // namespace roamplot
