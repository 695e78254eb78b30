#include "plain/Records.h"

namespace roamplot::test {

std::string BmpFile(const BmpFields& fields, const std::string& palette,
                    const std::string& pixels) {
    std::string info;
    for (uint32_t v : {fields.HeaderSize, static_cast<uint32_t>(fields.Width),
                       static_cast<uint32_t>(fields.Height)})
        PutU32(info, v);
    PutU16(info, 1);
    PutU16(info, static_cast<uint16_t>(fields.Bits));
    for (uint32_t v : {fields.Compression, static_cast<uint32_t>(pixels.size()),
                       static_cast<uint32_t>(fields.PelsPerMeter),
                       static_cast<uint32_t>(fields.PelsPerMeter), fields.ColoursUsed, 0u})
        PutU32(info, v);
    std::string masks;
    for (uint32_t m : fields.Masks) PutU32(fields.HeaderSize > 40 ? info : masks, m);
    info.resize(fields.HeaderSize, '\0');
    const std::size_t offset = 14 + info.size() + masks.size() + palette.size();
    std::string file = "BM";
    for (std::size_t v : {offset + pixels.size(), std::size_t{0}, offset})
        PutU32(file, static_cast<uint32_t>(v));
    return file + info + masks + palette + pixels;
}

std::string GreyPalette(int bits) {
    std::string palette;
    for (uint32_t i = 0; i < (1u << bits); ++i) PutU32(palette, i * 0x010101u);
    return palette;
}

Dib PatternDib(int width, int height, int bitCount, int seed) {
    Dib dib;
    dib.Header.Width = width;
    dib.Header.Height = height;
    dib.Header.BitCount = static_cast<uint16_t>(bitCount);
    dib.Header.SizeImage =
        static_cast<uint32_t>(dib.RowStride() * static_cast<std::size_t>(height));
    dib.ColorTable.resize(Dib::ColorTableEntriesFor(bitCount) * 4);
    for (std::size_t i = 0; i < dib.ColorTable.size(); ++i)
        dib.ColorTable[i] = static_cast<uint8_t>(i % 4 == 3 ? 0 : i * 7 + seed);
    dib.Pixels.resize(dib.Header.SizeImage);
    for (std::size_t i = 0; i < dib.Pixels.size(); ++i)
        dib.Pixels[i] = static_cast<uint8_t>(i * 31 + seed * 17);
    return dib;
}

Dib ArrowDib() {
    Dib dib;
    dib.Header.Width = 4;
    dib.Header.Height = 2;
    dib.Header.SizeImage = 24;
    for (int i = 0; i < 4; ++i) dib.Pixels.insert(dib.Pixels.end(), {0x00, 0x00, 0xFF});
    for (int i = 0; i < 4; ++i) dib.Pixels.insert(dib.Pixels.end(), {0xFF, 0x00, 0x00});
    return dib;
}

ThumbnailRenderer PlainThumbnail() {
    return [](const ScreenLayout&, int) -> std::optional<Dib> {
        Dib dib;
        dib.Header.Width = 2;
        dib.Header.Height = 1;
        dib.Header.SizeImage = 8;
        dib.Pixels = {0x11, 0x22, 0x33, 0x11, 0x22, 0x33, 0, 0};
        return dib;
    };
}

const ParameterCatalogue& SmallCatalogue() {
    static const ParameterCatalogue catalogue = [] {
        ParameterCatalogue c;
        c.Load("title,Navigation,$0000FF\n"
               "012,sp,Speed,Speed,kph|mph|knots,0,12.5\n"
               "020,mp,Altitude,Alt,meters|feet,0,1234.56\n"
               "164,np,Position,Pos,,0,12.345\n"
               "005,txt,Text,Text,,0,Text\n"
               "002,map,Map,Map,,0,Map\n"
               "400,bg,Background,,,0,\n"
               "1005,Menu,Menu,,,Menu\n");
        return c;
    }();
    return catalogue;
}

Loaded LoadText(const std::string& text, const SymbolFileLoader& loader) {
    Loaded loaded;
    loaded.Report =
        LoadParameterBytes(loaded.Layout, loaded.Settings, SmallCatalogue(), text, loader);
    return loaded;
}

ParameterBox NewBox(int page, const std::string& kind, const std::string& id, int left, int top,
                    int width, int height) {
    ParameterBox box;
    box.PageNo = page;
    box.Kind = kind;
    box.ParameterId = id;
    box.Left = left;
    box.Top = top;
    box.Width = width;
    box.Height = height;
    return box;
}

ParameterBox WithSymbol(ParameterBox box, int placement, const Dib& picture,
                        const std::filesystem::path& file) {
    box.SymbolPlacement = placement;
    box.Symbol = picture;
    box.SymbolFile = file;
    return box;
}

} // namespace roamplot::test
