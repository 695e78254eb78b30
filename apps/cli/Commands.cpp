#include "CliCommand.h"

namespace roamplot::cli {

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands{};
    return commands;
}

} // namespace roamplot::cli
