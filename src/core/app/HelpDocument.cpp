#include "core/app/HelpDocument.h"

#include "core/io/FileIo.h"

namespace roamplot {

std::string HelpDocumentPath(const std::string& programFolder, bool compiledHelpViewerAvailable) {
    std::string compiled = programFolder + "/" + CompiledHelpFile;
    if (compiledHelpViewerAvailable && FileExists(compiled))
        return compiled + "::/" + CompiledHelpTopic;
    return programFolder + "/" + HtmlHelpFile;
}

} // namespace roamplot
