#pragma once
// The parameter file commands of roamplot-cli.
#include "CliCommand.h"

namespace roamplot::cli {

// dump FILE.par1: the loaded layout as JSON.
int DumpParameterFile(CliContext& context);
// resave IN.par1 OUT.par1
int RunResave(CliContext& context);
// render IN.par1 OUT.png [--page N] [--zoom K]
int RunRender(CliContext& context);
// check FILE.par1: what the load dropped, clamped or could not find.
int RunCheck(CliContext& context);

} // namespace roamplot::cli
