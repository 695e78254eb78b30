#include "core/app/HelpDocument.h"

#include "core/io/FileIo.h"

namespace roamplot {

std::filesystem::path HelpDocumentPath(const std::filesystem::path& programFolder,
                                       bool compiledHelpViewerAvailable) {
    std::filesystem::path compiled = programFolder / CompiledHelpFile;
    if (compiledHelpViewerAvailable && FileExists(compiled))
        return compiled += std::string("::/") + CompiledHelpTopic;
    return programFolder / HtmlHelpFile;
}

} // namespace roamplot
