#pragma once
// The handheld commands of roamplot-cli, over the folder device named by
// --device-mount (default: the settings' "Device Mount Folder").
#include "CliCommand.h"

namespace roamplot::cli {

// device-list: the parameter and key files of the device folder, as the file list shows them.
int RunDeviceList(CliContext& context);
// send FILE NAME
int RunSend(CliContext& context);
// get NAME FILE
int RunGet(CliContext& context);

} // namespace roamplot::cli
