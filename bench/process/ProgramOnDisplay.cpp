#include "process/ProgramOnDisplay.h"

#include "support/FullLayout.h"

namespace roamplot::bench {

namespace fs = std::filesystem;

VirtualDisplay& SharedDisplay() {
    static VirtualDisplay display;
    return display;
}

std::vector<std::string> DesktopEnvironment() {
    return EnvironmentWith({{"DISPLAY", SharedDisplay().Name()}, {"QT_QPA_PLATFORM", ""}});
}

InstalledFolder::InstalledFolder(const char* program, bool rememberLayout)
    : DesignerFolder(rememberLayout), Program(Folder / program) {
    std::error_code linked;
    fs::create_hard_link(ProgramFolder() / program, Program, linked);
    if (linked) fs::copy_file(ProgramFolder() / program, Program);
}

} // namespace roamplot::bench
