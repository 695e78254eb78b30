#include "support/FullLayout.h"

#include "core/model/Dib.h"

namespace roamplot::bench {

namespace {

Dib Symbol(int seed) {
    Dib dib;
    dib.Header.Width = 50;
    dib.Header.Height = 60;
    dib.Pixels.resize(dib.RowStride() * 60);
    for (std::size_t i = 0; i < dib.Pixels.size(); ++i)
        dib.Pixels[i] = static_cast<uint8_t>(i * 13 + static_cast<std::size_t>(seed) * 71);
    dib.Header.SizeImage = static_cast<uint32_t>(dib.Pixels.size());
    return dib;
}

} // namespace

ScreenLayout FullLayout() {
    static const char* kinds[] = {"sp", "mp", "np", "txt", "bb", "bg", "bb", "sp"};
    static const char* ids[] = {"001", "030", "011", "901", "1005", "902", "1005", "040"};
    ScreenLayout layout;
    for (int p = 1; p <= MaxPages; ++p) {
        layout.PageAt(p).PageName = "Page " + std::to_string(p);
        for (int s = 1; s <= SlotsPerPage; ++s) {
            ParameterBox& box = layout.Box(p, s);
            const int k = s == 1 ? -1 : (s + p) % 8;
            box.PageNo = p;
            box.Kind = k < 0 ? "map" : kinds[k];
            box.ParameterId = k < 0 ? "900" : ids[k];
            box.Left = (s % 4) * 60;
            box.Top = (s / 4) * 30;
            box.Width = 60;
            box.Height = 30;
            box.TitleText = "Title " + std::to_string(s);
            box.Units = IsParameterKind(box.Kind) ? "kph" : "";
            if (box.Kind == "bb" || box.Kind == "bg") {
                box.Symbol = Symbol(p);
                box.SymbolFile = "C:\\Symbols\\symbol" + std::to_string(p) + ".bmp";
                box.SymbolPlacement = 1;
            }
        }
    }
    return layout;
}

std::filesystem::path ProgramFolder() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

} // namespace roamplot::bench
