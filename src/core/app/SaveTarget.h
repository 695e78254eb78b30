#pragma once
// Where "Save" writes without asking.
#include <filesystem>

namespace roamplot {

// The name a new layout carries until it is first saved.
inline constexpr const char* UntitledParameterFileName = "no name.par1";

// "Save" asks for a name when the document has none yet (empty or the
// untitled name), came from the handheld (not a path of this PC), or its
// folder no longer exists; otherwise it writes to `current` silently.
bool SaveAsksForName(const std::filesystem::path& current);

// The name the save dialog offers: the current file when it is one of this
// PC; for a file that came from the handheld (or a bare name), its name part
// in the folder of the last file of this PC, so the dialog never opens on a
// path of the handheld.
std::filesystem::path ProposedSaveName(const std::filesystem::path& current,
                                       const std::filesystem::path& lastPcFile);

} // namespace roamplot
