#include "CliCommand.h"
#include "DeviceCommands.h"
#include "KeyCommands.h"
#include "ParameterCommands.h"

namespace roamplot::cli {

const std::vector<CliCommand>& AllCommands() {
    static const std::vector<CliCommand> commands{
        {"dump", "dump FILE.par1|FILE.key1|FILE.key2   print the file's contents as JSON", RunDump},
        {"resave", "resave IN.par1 OUT.par1   load a parameter file and write it back", RunResave},
        {"render",
         "render IN.par1 OUT.png [--page N] [--zoom K]   draw a page as the preview does\n"
         "  render IN.par1 DIR --all [--zoom K] [--sheet SHEET.png]   every page that holds "
         "boxes, and a contact sheet",
         RunRender},
        {"scale",
         "scale IN.par1 OUT.par1 --screen ROW|WxH   scale every page to another device screen",
         RunScale},
        {"check", "check FILE.par1   list what loading the file drops, clamps or cannot find",
         RunCheck},
        {"keys", "keys IN.key1|IN.key2 OUT.key2   rewrite a key file with this folder's key codes",
         RunKeys},
        {"device-list", "device-list   the .par1 and .key2 files in the handheld's folder",
         RunDeviceList},
        {"send", "send FILE.par1|FILE.key1|FILE.key2 NAME   send a file to the handheld as NAME",
         RunSend},
        {"get", "get NAME FILE   copy NAME from the handheld's folder to FILE", RunGet},
    };
    return commands;
}

} // namespace roamplot::cli
