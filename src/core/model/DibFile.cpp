#include "core/model/DibFile.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/BmpBitFields.h"
#include "core/model/BmpRunLength.h"

namespace roamplot {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::size_t InfoHeaderSize = 40;
constexpr uint32_t BiRgb = 0;
constexpr uint32_t BiRle8 = 1;
constexpr uint32_t BiRle4 = 2;
constexpr uint32_t BiBitfields = 3;
constexpr uint32_t BiAlphaBitfields = 6;

uint32_t U32(std::string_view b, std::size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b[at + static_cast<std::size_t>(i)]);
    return v;
}
uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                                 (static_cast<uint8_t>(b[at + 1]) << 8));
}
int32_t I32(std::string_view b, std::size_t at) {
    return static_cast<int32_t>(U32(b, at));
}

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 255));
}
void PutU16(std::string& out, uint16_t v) {
    out.push_back(static_cast<char>(v & 255));
    out.push_back(static_cast<char>(v >> 8));
}

DibReadResult Refuse(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

std::string MasksText(const ColourMasks& masks) {
    char text[40];
    std::snprintf(text, sizeof text, "0x%X/0x%X/0x%X", masks.Red, masks.Green, masks.Blue);
    return text;
}

std::vector<uint8_t> CopyRowsBottomUp(std::string_view rows, std::size_t stride, int32_t height,
                                      bool topDown) {
    std::vector<uint8_t> pixels(stride * static_cast<std::size_t>(height));
    for (int32_t row = 0; row < height; ++row) {
        const std::size_t from = static_cast<std::size_t>(topDown ? height - 1 - row : row);
        std::memcpy(pixels.data() + static_cast<std::size_t>(row) * stride,
                    rows.data() + from * stride, stride);
    }
    return pixels;
}

// What the file header and the first 40 bytes of the information header
// already rule out; empty when they could start a picture we read.
std::string HeadersProblem(std::string_view bytes) {
    if (bytes.size() < FileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M')
        return "it is not a Windows bitmap file";
    const uint32_t headerSize = U32(bytes, FileHeaderSize);
    if (headerSize == 12 || headerSize == 64) return "OS/2 bitmap headers are not supported";
    if (headerSize < InfoHeaderSize)
        return "the bitmap header is too short (" + std::to_string(headerSize) + " bytes)";
    if (bytes.size() < FileHeaderSize + InfoHeaderSize)
        return "the file ends inside the bitmap header";
    const std::size_t h = FileHeaderSize;
    const int32_t width = I32(bytes, h + 4);
    const int32_t storedHeight = I32(bytes, h + 8);
    if (width <= 0 || storedHeight == 0 || storedHeight == std::numeric_limits<int32_t>::min())
        return "the bitmap has no pixels (" + std::to_string(width) + " x " +
               std::to_string(storedHeight) + ")";
    const int32_t height = storedHeight < 0 ? -storedHeight : storedHeight;
    if (width > MostDibSide || height > MostDibSide)
        return "the bitmap is too large (" + std::to_string(width) + " x " +
               std::to_string(height) + ", at most " + std::to_string(MostDibSide) + " x " +
               std::to_string(MostDibSide) + ")";
    const uint16_t planes = U16(bytes, h + 12);
    if (planes != 1) return "the bitmap has " + std::to_string(planes) + " planes";
    const int bits = U16(bytes, h + 14);
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return std::to_string(bits) + " bits per pixel are not supported";
    return {};
}

} // namespace

DibReadResult ReadDibFromBmp(std::string_view bytes) {
    if (std::string problem = HeadersProblem(bytes); !problem.empty()) return Refuse(problem);
    const uint32_t pixelOffset = U32(bytes, 10);
    const uint32_t headerSize = U32(bytes, FileHeaderSize);
    if (FileHeaderSize + static_cast<uint64_t>(headerSize) > bytes.size())
        return Refuse("the file ends inside the bitmap header");

    const std::size_t h = FileHeaderSize;
    DibHeader header;
    header.Width = I32(bytes, h + 4);
    const int32_t storedHeight = I32(bytes, h + 8);
    header.Planes = U16(bytes, h + 12);
    header.BitCount = U16(bytes, h + 14);
    header.Compression = U32(bytes, h + 16);
    header.XPelsPerMeter = I32(bytes, h + 24);
    header.YPelsPerMeter = I32(bytes, h + 28);
    const uint32_t coloursUsed = U32(bytes, h + 32);
    const bool topDown = storedHeight < 0;
    header.Height = topDown ? -storedHeight : storedHeight;
    const int bits = header.BitCount;

    std::size_t tableAt = h + headerSize;
    std::optional<ColourMasks> masks;
    if (bits == 16 && header.Compression == BiRgb) masks = Masks555;
    if (header.Compression == BiRle8 || header.Compression == BiRle4) {
        if (bits != (header.Compression == BiRle8 ? 8 : 4))
            return Refuse("run-length compression " + std::to_string(header.Compression) +
                          " does not fit " + std::to_string(bits) + " bits per pixel");
        if (topDown) return Refuse("a run-length compressed bitmap cannot be stored top-down");
    } else if (header.Compression == BiBitfields || header.Compression == BiAlphaBitfields) {
        // A 40-byte header is followed by the masks; larger headers hold them.
        const std::size_t masksAt = h + InfoHeaderSize;
        if (headerSize == InfoHeaderSize) tableAt += header.Compression == BiBitfields ? 12 : 16;
        if (masksAt + 12 > bytes.size()) return Refuse("the file ends inside the colour masks");
        masks = ColourMasks{U32(bytes, masksAt), U32(bytes, masksAt + 4), U32(bytes, masksAt + 8)};
        if (!AreUsualMasks(bits, *masks))
            return Refuse("the colour masks " + MasksText(*masks) + " at " + std::to_string(bits) +
                          " bits per pixel are not supported");
    } else if (header.Compression != BiRgb) {
        return Refuse("compression type " + std::to_string(header.Compression) +
                      " is not supported");
    }

    Dib dib;
    const std::size_t tableEntries = Dib::ColorTableEntriesFor(bits);
    if (tableEntries > 0) {
        const std::size_t stored = coloursUsed == 0 ? tableEntries : coloursUsed;
        if (stored > tableEntries)
            return Refuse("the colour table claims " + std::to_string(coloursUsed) +
                          " entries for " + std::to_string(bits) + " bits per pixel");
        if (tableAt + stored * 4 > bytes.size())
            return Refuse("the file ends inside the colour table");
        dib.ColorTable.assign(tableEntries * 4, 0);
        std::memcpy(dib.ColorTable.data(), bytes.data() + tableAt, stored * 4);
    }
    if (pixelOffset < tableAt || pixelOffset > bytes.size())
        return Refuse("the pixel offset " + std::to_string(pixelOffset) + " lies outside the file");
    const std::string_view rows = bytes.substr(pixelOffset);

    if (header.Compression == BiRle8 || header.Compression == BiRle4) {
        std::string refusal = DecodeRunLength(rows, bits, header.Width, header.Height, dib.Pixels);
        if (!refusal.empty()) return Refuse(refusal);
    } else {
        const std::size_t stride = Dib::RowStrideFor(header.Width, bits);
        if (rows.size() / stride < static_cast<std::size_t>(header.Height))
            return Refuse("the file ends inside the pixel rows");
        if (masks) {
            dib.Pixels =
                MaskedRowsTo24Bits(rows, bits, header.Width, header.Height, topDown, *masks);
            header.BitCount = 24;
        } else {
            dib.Pixels = CopyRowsBottomUp(rows, stride, header.Height, topDown);
        }
    }
    header.Compression = BiRgb;
    header.SizeImage = static_cast<uint32_t>(dib.Pixels.size());
    dib.Header = header;
    return {std::move(dib), {}};
}

DibReadResult ReadDibFromBmpFile(const std::filesystem::path& path) {
    // The headers first: a large file that is no bitmap, or a picture beyond
    // the limit, is refused before the rest of it is read.
    const std::optional<std::string> start = ReadFileStart(path, FileHeaderSize + InfoHeaderSize);
    if (!start)
        return Refuse("Cannot read the file \"" + PathToText(path) +
                      "\": " + UnreadableReason(path));
    std::string problem = HeadersProblem(*start);
    DibReadResult result = Refuse(problem);
    if (problem.empty()) {
        const std::optional<std::string> bytes = ReadFileBytes(path);
        if (!bytes)
            return Refuse("Cannot read the file \"" + PathToText(path) +
                          "\": " + UnreadableReason(path));
        result = ReadDibFromBmp(*bytes);
    }
    if (!result.Picture)
        result.Error = "\"" + PathToText(FileNameOf(path)) +
                       "\" cannot be used as a picture: " + result.Error + ".";
    return result;
}

std::string DibToBmp(const Dib& dib) {
    const std::size_t tableBytes = dib.ColorTable.size();
    const uint32_t pixelOffset =
        static_cast<uint32_t>(FileHeaderSize + InfoHeaderSize + tableBytes);
    std::string out;
    out.reserve(pixelOffset + dib.Pixels.size());
    out += "BM";
    PutU32(out, static_cast<uint32_t>(pixelOffset + dib.Pixels.size()));
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    const DibHeader& hd = dib.Header;
    PutU32(out, static_cast<uint32_t>(InfoHeaderSize));
    PutU32(out, static_cast<uint32_t>(hd.Width));
    PutU32(out, static_cast<uint32_t>(hd.Height));
    PutU16(out, hd.Planes);
    PutU16(out, hd.BitCount);
    PutU32(out, hd.Compression);
    PutU32(out, hd.SizeImage);
    PutU32(out, static_cast<uint32_t>(hd.XPelsPerMeter));
    PutU32(out, static_cast<uint32_t>(hd.YPelsPerMeter));
    PutU32(out, hd.ClrUsed);
    PutU32(out, hd.ClrImportant);
    out.append(reinterpret_cast<const char*>(dib.ColorTable.data()), tableBytes);
    out.append(reinterpret_cast<const char*>(dib.Pixels.data()), dib.Pixels.size());
    return out;
}

Colour DibPixel(const Dib& dib, int x, int y) {
    if (x < 0 || y < 0 || x >= dib.Width() || y >= dib.Height()) return Black;
    const std::size_t stride = dib.RowStride();
    const std::size_t rowAt = static_cast<std::size_t>(dib.Height() - 1 - y) * stride;
    if (rowAt + stride > dib.Pixels.size()) return Black;
    const uint8_t* row = dib.Pixels.data() + rowAt;
    const auto ux = static_cast<std::size_t>(x);
    auto fromTable = [&](std::size_t index) {
        const std::size_t at = index * 4;
        if (at + 3 > dib.ColorTable.size()) return Black;
        return MakeColour(dib.ColorTable[at + 2], dib.ColorTable[at + 1], dib.ColorTable[at]);
    };
    switch (dib.BitCount()) {
    case 1:
        return fromTable((row[ux / 8] >> (7 - ux % 8)) & 1);
    case 4:
        return fromTable((row[ux / 2] >> (ux % 2 == 0 ? 4 : 0)) & 15);
    case 8:
        return fromTable(row[ux]);
    case 24:
        return MakeColour(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]);
    case 32:
        return MakeColour(row[ux * 4 + 2], row[ux * 4 + 1], row[ux * 4]);
    default:
        return Black;
    }
}

} // namespace roamplot
