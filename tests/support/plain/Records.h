#pragma once
// The records tests build: pictures and bitmap files, boxes, a plain
// thumbnail renderer, a small catalogue and loaded parameter files.
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/Dib.h"
#include "core/model/ParameterCatalogue.h"
#include "core/model/ParameterFileReader.h"
#include "core/model/ParameterFileWriter.h"
#include "core/model/ScreenLayout.h"
#include "plain/TestFiles.h"

namespace roamplot::test {

// The fields of a .bmp file's headers a test chooses; the rest follows from the parts given.
struct BmpFields {
    int32_t Width = 0;
    int32_t Height = 0; // negative: stored top-down
    int Bits = 24;
    uint32_t Compression = 0;
    uint32_t HeaderSize = 40;
    uint32_t ColoursUsed = 0;
    int32_t PelsPerMeter = 0;
    std::vector<uint32_t> Masks = {}; // inside a header larger than 40 bytes, else after it
};
// A .bmp file of the headers, the masks, the palette's bytes and the pixel bytes.
std::string BmpFile(const BmpFields& fields, const std::string& palette, const std::string& pixels);
// The palette of an indexed depth as grey steps: entry i is (i, i, i).
std::string GreyPalette(int bits);

// A picture of the given size and depth whose bytes follow a pattern seeded by `seed`.
Dib PatternDib(int width, int height, int bitCount, int seed);
// 4 x 2, 24 bits: the bottom row red, the top row blue.
Dib ArrowDib();
// Every page's thumbnail is 2 x 1 pixels of blue 0x11, green 0x22, red 0x33,
// so the thumbnail lines do not depend on fonts.
ThumbnailRenderer PlainThumbnail();

// A catalogue with a speed (12, sample 12.5), an altitude (20), a position
// (164, sample 12.345), a text (5), a map (2), a background (400) and a button (1005).
const ParameterCatalogue& SmallCatalogue();

// The first lines of a file from a 240 x 320 handheld with a 240 x 281 drawing area.
inline constexpr const char* ParameterFileHeader =
    "RoamplotCE Parameter File\r\n;\r\nDevice Type,PPC\r\ns1,240,320,240,281\r\n";

struct Loaded {
    ScreenLayout Layout;
    DesignerSettings Settings;
    ParameterFileLoadReport Report;
};
// The bytes loaded with the small catalogue into a fresh layout.
Loaded LoadText(const std::string& text, const SymbolFileLoader& loader = nullptr);

// A box in use with the reset values of a cleared slot.
ParameterBox NewBox(int page, const std::string& kind, const std::string& id, int left, int top,
                    int width, int height);
// The box showing `picture`, from `file`, at the given placement.
ParameterBox WithSymbol(ParameterBox box, int placement, const Dib& picture,
                        const std::filesystem::path& file);

} // namespace roamplot::test
