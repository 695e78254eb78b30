#pragma once
// Rebuilds the layout from a .par1 parameter file of either version.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/DesignerSettings.h"
#include "core/model/Dib.h"
#include "core/model/ParameterCatalogue.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

// Reads a symbol bitmap file named by a path-only symbol record; an error text when it cannot.
struct SymbolFileResult {
    std::optional<Dib> Picture;
    std::string Error;
};
using SymbolFileLoader = std::function<SymbolFileResult(const std::filesystem::path& path)>;
// The loader the designer uses: the file read as a Windows bitmap.
SymbolFileResult ReadSymbolBitmapFile(const std::filesystem::path& path);

// What a load did besides filling the layout. Every text names the file line it is about.
struct ParameterFileLoadReport {
    bool Readable = true;  // false: the file could not be read and nothing changed
    int Version = 0;       // 1 or 2; 0 when the file holds no box records and nothing was loaded
    std::string ReadError; // why the file could not be read
    std::string StopError; // version 1: the conversion error that stopped the load, for the user
    std::string EndedPass; // the line that ended a pass, with the reason
    std::vector<std::string> DroppedRecords; // records the model has no place for
    std::vector<std::string> ClampedBoxes;
    std::vector<std::string> MissingSymbolFiles; // names (as the file holds them) of symbol records
                                                 // whose file does not exist
    std::vector<std::string> SymbolProblems;     // pictures refused or unreadable
    std::string SymbolFileLabel;                 // the file part of the last symbol record's path

    // Everything worth listing about the load, one line each, in the order of the file's passes.
    std::vector<std::string> Findings() const;
};

inline constexpr const char* OutOfMemoryMessage = "There is not enough memory to load the layout.";

// Decides the version, resets the layout and reads the file. Memory running
// out fails the whole load (not readable, the layout left empty). The settings take the
// device screen of the screen record and a raised number of pages.
ParameterFileLoadReport LoadParameterFile(ScreenLayout& layout, DesignerSettings& settings,
                                          const ParameterCatalogue& catalogue,
                                          const std::filesystem::path& fileName,
                                          const SymbolFileLoader& loadSymbolFile);
// The same on the file's bytes.
ParameterFileLoadReport LoadParameterBytes(ScreenLayout& layout, DesignerSettings& settings,
                                           const ParameterCatalogue& catalogue,
                                           std::string_view bytes,
                                           const SymbolFileLoader& loadSymbolFile);

} // namespace roamplot
