#pragma once
// A command of roamplot-cli: its name, its usage line and what it runs.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace roamplot::cli {

struct CliContext {
    // where Parameters.dat, commands.dat and the settings file are
    std::filesystem::path ProgramFolder;
    std::filesystem::path DeviceMount;  // --device-mount: the folder standing for the handheld
    std::vector<std::string> Arguments; // after the command name, as UTF-8
    std::ostream& Out;
    std::ostream& Err;
};

struct CliCommand {
    const char* Name;
    const char* Usage;
    int (*Run)(CliContext& context);
};

// Every command the companion knows; each command file adds its own entries here.
const std::vector<CliCommand>& AllCommands();

} // namespace roamplot::cli
