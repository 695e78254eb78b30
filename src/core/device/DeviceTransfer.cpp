#include "core/device/DeviceTransfer.h"

#include <algorithm>
#include <fstream>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"

namespace roamplot {

namespace {
char LowerDeviceChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 32);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 16);
    if (byte == 0x9F) return static_cast<char>(0xFF);
    return c;
}

// The file-name part of a PC path as device text.
std::string DeviceFileName(const std::filesystem::path& pcPath) {
    return PathToText(FileNameOf(pcPath));
}
} // namespace

namespace {
// Opens the file for appending, which creates it but never shortens it; a file made
// only to find out is removed again.
bool CanWrite(const std::filesystem::path& file) {
    std::error_code error;
    const bool existed = std::filesystem::exists(file, error);
    const bool opened = std::ofstream(file, std::ios::binary | std::ios::app).is_open();
    if (opened && !existed) std::filesystem::remove(file, error);
    return opened;
}
} // namespace

std::filesystem::path TempFileIn(const std::filesystem::path& programFolder) {
    const std::filesystem::path beside = programFolder / TempFileName;
    if (CanWrite(beside)) return beside;
    // A program folder users may not write, such as one under Program Files.
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return error ? beside : temporary / TempFileName;
}

std::string FileListPattern(FileListMode mode) {
    return mode == FileListMode::Keys ? "*.key2" : "*.par1";
}

std::string TransferDevicePath(const std::string& deviceFolder, const std::string& name) {
    return deviceFolder + "\\" + name;
}

std::string ListingFolder(const std::string& deviceFolder) {
    const std::size_t first = deviceFolder.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    std::string folder = deviceFolder.substr(first, deviceFolder.find_last_not_of(' ') - first + 1);
    if (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::vector<std::string> ListingNames(std::vector<std::string> names) {
    std::erase_if(names, [](const std::string& name) { return name.empty() || name[0] == '.'; });
    for (std::string& name : names)
        std::transform(name.begin(), name.end(), name.begin(), LowerDeviceChar);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> ListDeviceFolder(DeviceLink& link, const std::string& deviceFolder,
                                          FileListMode mode) {
    std::vector<std::string> names;
    if (!link.Connect()) return names;
    if (auto found = link.ListDeviceFiles(ListingFolder(deviceFolder), FileListPattern(mode)))
        names = ListingNames(std::move(*found));
    link.Disconnect();
    return names;
}

std::string DeviceNameProblem(const std::string& name, const std::string& devicePath) {
    const bool unusable =
        name.empty() || std::any_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 ||
                   std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        });
    if (unusable) return "The name \"" + name + "\" cannot be used on the PDA.";
    if (devicePath.size() > DeviceLink::MostDevicePathLength)
        return "The path on the PDA is too long (at most 399 characters).";
    return "";
}

std::string GetFailedMessage(const std::string& name, const std::string& reason) {
    return "Could not get " + name + " from the PDA: " + reason + ". Nothing was changed.";
}

void CopySymbolsToDevice(DeviceLink& link, const std::vector<SymbolListEntry>& symbols,
                         const std::string& deviceFolder, const SymbolCopyHooks& hooks) {
    bool shown = false;
    for (const SymbolListEntry& symbol : symbols) {
        if (symbol.Embedded()) continue;
        const std::string fileName = DeviceFileName(symbol.File);
        if (hooks.ShowCopying) hooks.ShowCopying(fileName);
        shown = true;
        if (!link.Connect()) break;
        const bool copied = link.CopyToDevice(symbol.File, deviceFolder + "\\Symbols\\" + fileName);
        link.Disconnect();
        if (!copied && hooks.ShowMessage)
            hooks.ShowMessage("Could not copy symbol " + fileName + " to PDA");
    }
    if (shown && hooks.CloseCopying) hooks.CloseCopying();
}

SendOutcome SendParameterFile(DeviceLink& link, const ScreenLayout& layout,
                              const DeviceScreen& screen, const ThumbnailRenderer& thumbnail,
                              const std::filesystem::path& tempFile,
                              const std::string& deviceFolder, const std::string& name,
                              const SymbolCopyHooks& hooks) {
    SendOutcome outcome;
    const ParameterFileWriteResult written =
        WriteParameterFile(layout, screen, tempFile, thumbnail);
    if (!written.Ok()) {
        outcome.WriteError = written.Error;
        return outcome;
    }
    CopySymbolsToDevice(link, written.SymbolList, deviceFolder, hooks);
    outcome.Sent = link.CopyToDevice(tempFile, TransferDevicePath(deviceFolder, name));
    return outcome;
}

bool FetchDeviceFile(DeviceLink& link, const std::string& devicePath,
                     const std::filesystem::path& target) {
    std::filesystem::path partial = target;
    partial += ".part";
    if (!link.CopyFromDevice(devicePath, partial)) return false;
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (!error) return true;
    std::filesystem::remove(partial, error);
    return false;
}

} // namespace roamplot
