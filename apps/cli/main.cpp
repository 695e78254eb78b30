// roamplot-cli: the designer's batch companion.
#include <filesystem>
#include <iostream>
#include <string>

#include "CliCommand.h"

using namespace roamplot::cli;

namespace {
std::string OwnFolder(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0);
    return self.parent_path().string();
}

int Usage(std::ostream& out) {
    out << "usage: roamplot-cli [--program-folder DIR] [--device-mount DIR] COMMAND ARGUMENTS\n";
    for (const CliCommand& command : AllCommands()) out << "  " << command.Usage << "\n";
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    std::string programFolder = OwnFolder(argv[0]);
    std::string deviceMount;
    int i = 1;
    while (i + 1 < argc) {
        const std::string option = argv[i];
        if (option == "--program-folder")
            programFolder = argv[i + 1];
        else if (option == "--device-mount")
            deviceMount = argv[i + 1];
        else
            break;
        i += 2;
    }
    if (i >= argc) return Usage(std::cerr);
    std::string name = argv[i++];
    for (const CliCommand& command : AllCommands()) {
        if (name != command.Name) continue;
        CliContext context{
            programFolder, deviceMount, {argv + i, argv + argc}, std::cout, std::cerr};
        try {
            return command.Run(context);
        } catch (const std::exception& error) {
            std::cerr << "roamplot-cli: " << error.what() << "\n";
            return 2;
        }
    }
    std::cerr << "roamplot-cli: unknown command \"" << name << "\"\n";
    return Usage(std::cerr);
}
