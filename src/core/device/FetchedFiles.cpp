#include "core/device/FetchedFiles.h"

#include "core/model/ParameterFileReader.h"

namespace roamplot {

namespace {
// A reason reads as the end of one sentence.
std::string StoppedBecause(std::string error) {
    while (!error.empty() && (error.back() == '.' || error.back() == ' ')) error.pop_back();
    return "it stopped loading: " + error;
}
} // namespace

bool IsPcFilePath(const std::filesystem::path& name) {
    return name.is_absolute();
}

std::string FetchedParameterFileProblem(const std::filesystem::path& file,
                                        const DesignerSettings& settings,
                                        const ParameterCatalogue& catalogue) {
    ScreenLayout scratch;
    DesignerSettings scratchSettings = settings;
    const ParameterFileLoadReport report =
        LoadParameterFile(scratch, scratchSettings, catalogue, file, ReadSymbolBitmapFile);
    if (!report.Readable) return "the copy on this PC cannot be read";
    if (report.Version == 0) return "it is not a parameter file (it holds no boxes)";
    if (!report.StopError.empty()) return StoppedBecause(report.StopError);
    return "";
}

std::string ReadFetchedKeyFile(const std::filesystem::path& file, KeyFileGrammar grammar,
                               const CommandCatalogue& catalogue, KeyMap& map) {
    if (grammar == KeyFileGrammar::None) return "";
    KeyMap scratch = map;
    const KeyFileReadResult result = grammar == KeyFileGrammar::Key1
                                         ? ReadKeyFile1(file, catalogue, scratch)
                                         : ReadKeyFile2(file, catalogue, scratch);
    if (!result.Error.empty()) return StoppedBecause(result.Error);
    map = scratch;
    return "";
}

} // namespace roamplot
