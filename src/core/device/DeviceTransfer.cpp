#include "core/device/DeviceTransfer.h"

#include <algorithm>
#include <fstream>

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/io/TextCase.h"

namespace roamplot {

namespace {
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
    for (std::string& name : names) name = LowerCase1252(name);
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

std::string GetNameProblem(FileListMode mode, const std::string& name) {
    const std::string lower = LowerCase1252(name);
    const auto endsWith = [&lower](std::string_view end) { return lower.ends_with(end); };
    if (mode == FileListMode::Parameters && !endsWith(".par1"))
        return name + " is not a parameter file (.par1).";
    if (mode == FileListMode::Keys && !endsWith(".key1") && !endsWith(".key2"))
        return name + " is not a key file (.key1 or .key2).";
    return "";
}

bool ListedOnDevice(const std::vector<std::string>& listed, const std::string& name) {
    const std::vector<std::string> wanted = ListingNames({name});
    return !wanted.empty() && std::find(listed.begin(), listed.end(), wanted[0]) != listed.end();
}

std::string ReplaceQuestion(const std::string& name) {
    return name + " already exists on the PDA. Replace it?";
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

FetchOutcome FetchDeviceFile(DeviceLink& link, const std::string& devicePath,
                             const std::filesystem::path& target) {
    FetchOutcome outcome;
    const std::filesystem::path replaced = WriteTargetOf(target);
    if (std::string problem = ReplacementProblem(replaced); !problem.empty()) {
        link.Refuse("the file on this PC cannot be written (" + problem + ")");
        outcome.Failure = link.LastFailure();
        return outcome;
    }
    std::filesystem::path partial = replaced;
    partial += ".part";
    std::error_code error;
    // What a get cut off left there; a pipe or a link in its place would take the copy.
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(partial, error)))
        std::filesystem::remove(partial, error);
    if (!link.CopyFromDevice(devicePath, partial)) {
        outcome.Failure = link.LastFailure();
        return outcome;
    }
    const std::filesystem::file_status old = std::filesystem::status(replaced, error);
    if (!error && std::filesystem::exists(old))
        std::filesystem::permissions(partial, old.permissions(),
                                     std::filesystem::perm_options::replace, error);
    std::filesystem::rename(partial, replaced, error);
    outcome.Fetched = !error;
    if (outcome.Fetched) return outcome;
    // The link copied well: the reason is this PC's, told inside one sentence
    // (some systems end their messages with a full stop and a line break).
    std::string reason = error.message();
    while (!reason.empty() &&
           std::string_view(". \r\n").find(reason.back()) != std::string_view::npos)
        reason.pop_back();
    outcome.Failure =
        "the copy could not take the place of " + PathToText(replaced) + " (" + reason + ")";
    std::filesystem::remove(partial, error);
    return outcome;
}

} // namespace roamplot
