#include "CliCommand.h"
#include "KeyCommands.h"

namespace roamplot::cli {

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands{
        {"dump", "dump FILE.key1|FILE.key2   print the file's contents as JSON", RunDump},
        {"keys", "keys IN.key1|IN.key2 OUT.key2   rewrite a key file with this folder's key codes",
         RunKeys},
    };
    return commands;
}

} // namespace roamplot::cli
