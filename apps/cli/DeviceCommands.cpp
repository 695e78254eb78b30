#include "DeviceCommands.h"

#include <algorithm>

#include "CliText.h"
#include "KeyCommands.h"
#include "ParameterCommands.h"
#include "core/app/DesignerSettings.h"
#include "core/app/SettingsFile.h"
#include "core/device/DeviceChoice.h"
#include "core/device/DeviceTransfer.h"
#include "core/io/FileIo.h"
#include "core/keymap/KeyFileReader.h"

namespace roamplot::cli {

namespace {
constexpr int Unreachable = 1;
constexpr int WrongArguments = 2;

DesignerSettings Settings(const CliContext& context) {
    return ReadDesignerSettings(SettingsFile(context.ProgramFolder / "RoamCE_Screen_Designer.ini"));
}

DeviceLink MakeLink(CliContext& context) {
    std::filesystem::path mount = context.DeviceMount;
    if (mount.empty()) mount = Settings(context).DeviceMountFolder;
    DeviceLinkHooks hooks = SystemDeviceLinkHooks();
    hooks.ShowMessage = [&context](const std::string& text) {
        context.Err << "roamplot-cli: " << Printable(text) << "\n";
    };
    return DeviceLink(ChooseRemoteApi(mount), hooks);
}

// The device path of NAME (Windows-1252 text), or nothing after telling why it cannot be used.
std::optional<std::string> DevicePathOf(CliContext& context, const std::string& name) {
    const std::string path = TransferDevicePath(Settings(context).DeviceFolder, name);
    const std::string problem = DeviceNameProblem(name, path);
    if (problem.empty()) return path;
    context.Err << "roamplot-cli: " << Printable(problem) << "\n";
    return std::nullopt;
}
} // namespace

int RunDeviceList(CliContext& context) {
    if (!context.Arguments.empty()) {
        context.Err << "usage: roamplot-cli [--device-mount DIR] device-list\n";
        return WrongArguments;
    }
    DeviceLink link = MakeLink(context);
    if (!link.Connect()) return Unreachable;
    const std::string folder = Settings(context).DeviceFolder;
    std::vector<std::string> names = ListDeviceFolder(link, folder, FileListMode::Parameters);
    const std::vector<std::string> keys = ListDeviceFolder(link, folder, FileListMode::Keys);
    names.insert(names.end(), keys.begin(), keys.end());
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) context.Out << Printable(name) << "\n";
    return 0;
}

int RunSend(CliContext& context) {
    if (context.Arguments.size() != 2) {
        context.Err << "usage: roamplot-cli [--device-mount DIR] send FILE NAME\n";
        return WrongArguments;
    }
    const std::string& file = context.Arguments[0];
    const std::string name = ArgumentText(context.Arguments[1]);
    const bool keys = KeyFileGrammarOf(ArgumentPath(file)) != KeyFileGrammar::None;
    if (!keys && ArgumentPath(file).extension() != ".par1") {
        context.Err << "roamplot-cli: " << file << " is neither a .par1 nor a key file\n";
        return WrongArguments;
    }
    const std::optional<std::string> devicePath = DevicePathOf(context, name);
    if (!devicePath) return WrongArguments;
    if (!FileExists(ArgumentPath(file))) {
        context.Err << "roamplot-cli: cannot read " << file << "\n";
        return WrongArguments;
    }
    DeviceLink link = MakeLink(context);
    if (!link.Connect()) return Unreachable;
    if (!keys) return SendLayout(context, link, file, name);
    const std::filesystem::path tempFile = TempFileIn(context.ProgramFolder);
    if (int failed = WriteKeysForSending(context, file, tempFile)) return failed;
    if (!link.CopyToDevice(tempFile, *devicePath)) {
        context.Err << "roamplot-cli: " << SendFailed << "\n";
        return Unreachable;
    }
    context.Out << SendSucceeded << "\n";
    return 0;
}

int RunGet(CliContext& context) {
    if (context.Arguments.size() != 2) {
        context.Err << "usage: roamplot-cli [--device-mount DIR] get NAME FILE\n";
        return WrongArguments;
    }
    const std::string name = ArgumentText(context.Arguments[0]);
    const std::optional<std::string> devicePath = DevicePathOf(context, name);
    if (!devicePath) return WrongArguments;
    DeviceLink link = MakeLink(context);
    if (!link.Connect()) return Unreachable;
    const FetchOutcome fetched =
        FetchDeviceFile(link, *devicePath, ArgumentPath(context.Arguments[1]));
    if (!fetched.Fetched) {
        context.Err << "roamplot-cli: " << Printable(GetFailedMessage(name, fetched.Failure))
                    << "\n";
        return Unreachable;
    }
    return 0;
}

} // namespace roamplot::cli
