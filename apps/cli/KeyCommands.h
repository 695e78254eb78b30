#pragma once
// The key file commands of roamplot-cli.
#include "CliCommand.h"

namespace roamplot::cli {

// dump FILE: key files here, other files by their own command group.
int RunDump(CliContext& context);
// keys IN.key1|IN.key2 OUT.key2
int RunKeys(CliContext& context);

} // namespace roamplot::cli
