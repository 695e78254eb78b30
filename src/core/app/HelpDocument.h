#pragma once
#include <filesystem>

namespace roamplot {

inline constexpr const char* CompiledHelpFile = "RoamCE_screen_Designer.chm";
inline constexpr const char* CompiledHelpTopic = "RoamCE_screen_designer.html";
inline constexpr const char* HtmlHelpFile = "help/index.html";

// The compiled help at its topic where the system has a viewer for it and the
// file exists; our own HTML guide beside the program everywhere else.
std::filesystem::path HelpDocumentPath(const std::filesystem::path& programFolder,
                                       bool compiledHelpViewerAvailable);

} // namespace roamplot
