// roamplot-cli: the designer's batch companion.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include "CliCommand.h"
#include "CliText.h"
#include "core/io/FileNames.h"

using namespace roamplot::cli;

namespace {
// The arguments as UTF-8: on Windows from the wide command line, since the
// narrow one holds only what the ANSI code page can.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    (void)argv;
    std::vector<std::string> arguments;
    int count = 0;
    if (wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            arguments.push_back(roamplot::PathToUtf8(std::filesystem::path(wide[i])));
        LocalFree(wide);
    }
    if (static_cast<int>(arguments.size()) == argc) return arguments;
#endif
    return {argv, argv + argc};
}

std::filesystem::path OwnFolder(const std::string& argv0) {
    std::error_code error;
#ifdef _WIN32
    wchar_t module[32768];
    const DWORD length = GetModuleFileNameW(nullptr, module, 32768);
    if (length > 0 && length < 32768) return std::filesystem::path(module).parent_path();
#endif
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(ArgumentPath(argv0), error);
    return self.parent_path();
}

int Usage(std::ostream& out) {
    out << "usage: roamplot-cli [--program-folder DIR] [--device-mount DIR] COMMAND ARGUMENTS\n";
    for (const CliCommand& command : AllCommands()) out << "  " << command.Usage << "\n";
    return 2;
}
} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // What is printed is the same bytes on every system: no CR added before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    const std::vector<std::string> arguments = Utf8Arguments(argc, argv);
    argc = static_cast<int>(arguments.size());
    std::filesystem::path programFolder = OwnFolder(argc > 0 ? arguments[0] : "");
    std::filesystem::path deviceMount;
    int i = 1;
    while (i + 1 < argc) {
        const std::string& option = arguments[i];
        if (option == "--program-folder")
            programFolder = ArgumentPath(arguments[i + 1]);
        else if (option == "--device-mount")
            deviceMount = ArgumentPath(arguments[i + 1]);
        else
            break;
        i += 2;
    }
    if (i >= argc) return Usage(std::cerr);
    const std::string& name = arguments[i++];
    for (const CliCommand& command : AllCommands()) {
        if (name != command.Name) continue;
        CliContext context{programFolder,
                           deviceMount,
                           {arguments.begin() + i, arguments.end()},
                           std::cout,
                           std::cerr};
        try {
            return command.Run(context);
        } catch (const std::exception& error) {
            std::cerr << "roamplot-cli: " << Printable(std::string(error.what())) << "\n";
            return 2;
        }
    }
    std::cerr << "roamplot-cli: unknown command \"" << name << "\"\n";
    return Usage(std::cerr);
}
