#pragma once
// A device-independent bitmap as the handheld reads it from a parameter file:
// a 40-byte information header without compression, a positive height (rows
// bottom-up), for 1, 4 and 8 bits the full colour table, and the pixel rows,
// each padded to a multiple of four bytes.
#include <cstdint>
#include <vector>

namespace roamplot {

// No picture read from any file may be wider or higher than this: no handheld
// screen comes near it, and it bounds what a header can make us allocate.
inline constexpr int MostDibSide = 4096;

struct DibHeader {
    uint32_t Size = 40;
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t Planes = 1;
    uint16_t BitCount = 24;
    uint32_t Compression = 0; // BI_RGB
    uint32_t SizeImage = 0;
    int32_t XPelsPerMeter = 0;
    int32_t YPelsPerMeter = 0;
    uint32_t ClrUsed = 0;
    uint32_t ClrImportant = 0;

    bool operator==(const DibHeader&) const = default;
};

struct Dib {
    DibHeader Header;
    // Blue, green, red, reserved for each entry: 2, 16 or 256 entries for 1, 4 and 8 bits.
    std::vector<uint8_t> ColorTable;
    // Rows bottom-up, each RowStride() bytes.
    std::vector<uint8_t> Pixels;

    int Width() const { return Header.Width; }
    int Height() const { return Header.Height; }
    int BitCount() const { return Header.BitCount; }
    std::size_t RowStride() const { return RowStrideFor(Header.Width, Header.BitCount); }

    static std::size_t RowStrideFor(int32_t width, int bitCount) {
        return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) *
               4;
    }
    static std::size_t ColorTableEntriesFor(int bitCount) {
        return bitCount <= 8 ? std::size_t{1} << bitCount : 0;
    }

    bool operator==(const Dib&) const = default;
};

} // namespace roamplot
