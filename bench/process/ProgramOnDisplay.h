#pragma once
// What the process benchmarks share: one X server with its window manager for
// the whole run, the environment a desktop gives the programs started on it,
// and a designer folder with the program itself in it, as it is installed.
#include <filesystem>
#include <string>
#include <vector>

#include "process/VirtualDisplay.h"
#include "support/DesignerFolder.h"

namespace roamplot::bench {

VirtualDisplay& SharedDisplay();

// The environment of a program started from the desktop of the shared display:
// no platform named, so Qt picks the display's.
std::vector<std::string> DesktopEnvironment();

// A designer folder holding a copy of the named program of the build.
struct InstalledFolder : DesignerFolder {
    std::filesystem::path Program;
    InstalledFolder(const char* program, bool rememberLayout);
};

} // namespace roamplot::bench
