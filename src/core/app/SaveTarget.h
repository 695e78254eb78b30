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

} // namespace roamplot
