#pragma once
// The parameter file commands of roamplot-cli.
#include "CliCommand.h"
#include "core/device/DeviceLink.h"

namespace roamplot::cli {

// dump FILE.par1: the loaded layout as JSON.
int DumpParameterFile(CliContext& context);
// resave IN.par1 OUT.par1
int RunResave(CliContext& context);
// render IN.par1 OUT.png [--page N] [--zoom K]
int RunRender(CliContext& context);
// scale IN.par1 OUT.par1 --screen ROW|WxH: every box scaled to another screen.
int RunScale(CliContext& context);
// check FILE.par1: what the load dropped, clamped or could not find, the
// boxes partly outside the drawing area and the texts too wide for their box.
int RunCheck(CliContext& context);

// Loads FILE as "Load" does and sends it as NAME into the settings' device
// folder with its large symbols; 0, or the exit code of the failure (told).
int SendLayout(CliContext& context, DeviceLink& link, const std::string& file,
               const std::string& name);

} // namespace roamplot::cli
