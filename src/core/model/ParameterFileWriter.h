#pragma once
// Serialises the whole layout as a .par1 parameter file for the handheld.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/app/DeviceScreen.h"
#include "core/model/Dib.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

// Draws the thumbnail of a page (24 bits a pixel), or gives nothing when no box was drawn.
// Core cannot paint, so the caller supplies the painting.
using ThumbnailRenderer = std::function<std::optional<Dib>(const ScreenLayout&, int page)>;

inline constexpr int MostEmbeddedSymbolPixels = 3000;

// One distinct symbol file of a written layout, in order of first use.
struct SymbolListEntry {
    std::string Reference; // page and slot of the first box that used the file, "0102"
    int Page = 0;
    int Slot = 0;
    std::filesystem::path File;
    int64_t PixelCount = 0;
    bool Embedded() const { return PixelCount <= MostEmbeddedSymbolPixels; }
};

// The files of the list whose names Windows-1252 cannot hold: they are written
// as well as it can, and only an embedded picture comes back.
std::vector<std::filesystem::path> UnwritableSymbolNames(const std::vector<SymbolListEntry>& list);

struct ParameterFileText {
    std::string Bytes;
    std::vector<SymbolListEntry> SymbolList;
};

// The file's bytes, CR LF line ends, no closing line.
ParameterFileText ComposeParameterFile(const ScreenLayout& layout, const DeviceScreen& screen,
                                       const ThumbnailRenderer& thumbnail);

struct ParameterFileWriteResult {
    std::string Error;                       // the file system's message, empty on success
    std::vector<SymbolListEntry> SymbolList; // what a send copies to the device afterwards
    bool Ok() const { return Error.empty(); }
};

// Replaces the file only when every byte was written, so a failed save keeps the old file.
ParameterFileWriteResult WriteParameterFile(const ScreenLayout& layout, const DeviceScreen& screen,
                                            const std::filesystem::path& fileName,
                                            const ThumbnailRenderer& thumbnail);

} // namespace roamplot
