#pragma once
// Taking in what a get brought back from the handheld: a fetched file either
// loads whole or changes nothing.
#include <filesystem>
#include <string>

#include "core/app/DesignerSettings.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileReader.h"
#include "core/keymap/KeyMap.h"
#include "core/model/ParameterCatalogue.h"

namespace roamplot {

// A remembered name the start may reopen from this PC: an absolute PC path.
// A device path ("\Roamplot 2\my.par1") left by a get is none, on any system.
bool IsPcFilePath(const std::filesystem::path& name);

// Why the file would not load whole as a parameter file ("it holds no boxes"),
// empty when it would. Nothing of the designer changes.
std::string FetchedParameterFileProblem(const std::filesystem::path& file,
                                        const DesignerSettings& settings,
                                        const ParameterCatalogue& catalogue);

// Reads the file with the grammar's reader into the map only when it reads
// whole; a read that stops leaves the map as it was and gives the reason.
// Grammar None reads nothing.
std::string ReadFetchedKeyFile(const std::filesystem::path& file, KeyFileGrammar grammar,
                               const CommandCatalogue& catalogue, KeyMap& map);

} // namespace roamplot
