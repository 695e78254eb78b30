#pragma once
// The rules of sending files to the handheld and getting them back, shared by
// the designer's windows and the command-line tool.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/device/DeviceLink.h"
#include "core/model/ParameterFileWriter.h"

namespace roamplot {

inline constexpr const char* TempFileName = "temp.$$$";
inline constexpr const char* SendSucceeded = "Save to PDA Successful";
inline constexpr const char* SendFailed = "Could not Save to PDA";

enum class FileListMode { None, Parameters, Keys };

// Every transfer passes through this file beside the program, or in the user's
// temporary folder when the program's folder cannot be written.
std::filesystem::path TempFileIn(const std::filesystem::path& programFolder);
// "*.par1" or "*.key2".
std::string FileListPattern(FileListMode mode);
// The device folder text unchanged, "\", the name.
std::string TransferDevicePath(const std::string& deviceFolder, const std::string& name);
// The folder a listing searches: trimmed, and one trailing "\" dropped when longer than one
// character.
std::string ListingFolder(const std::string& deviceFolder);
// As the file list shows them: lower-cased, without names beginning with ".", sorted.
std::vector<std::string> ListingNames(std::vector<std::string> names);
// The names of the device folder matching the mode's pattern, as listed;
// empty when the device cannot be reached (the link has said so).
std::vector<std::string> ListDeviceFolder(DeviceLink& link, const std::string& deviceFolder,
                                          FileListMode mode);

// Empty when the name and its path can be used on the handheld; otherwise the message.
std::string DeviceNameProblem(const std::string& name, const std::string& devicePath);

// "Could not get NAME from the PDA: REASON. Nothing was changed."
std::string GetFailedMessage(const std::string& name, const std::string& reason);

// Empty when a get of the mode may fetch the name (".par1", or ".key1" and
// ".key2", in any case); otherwise why not. A file of the other kind would
// load as rubbish.
std::string GetNameProblem(FileListMode mode, const std::string& name);
// Whether the name is among the listed names, matched as the handheld matches them.
bool ListedOnDevice(const std::vector<std::string>& listed, const std::string& name);
// "NAME already exists on the PDA. Replace it?"
std::string ReplaceQuestion(const std::string& name);

struct SymbolCopyHooks {
    std::function<void(const std::string& fileName)> ShowCopying; // "Copying file : " NAME
    std::function<void()> CloseCopying;
    std::function<void(const std::string& text)> ShowMessage;
};

// Copies the symbol files too large to travel inside the parameter file into
// the device folder's "\Symbols\".
void CopySymbolsToDevice(DeviceLink& link, const std::vector<SymbolListEntry>& symbols,
                         const std::string& deviceFolder, const SymbolCopyHooks& hooks);

struct SendOutcome {
    std::string WriteError; // the transfer file could not be written: nothing was sent
    bool Sent = false;
};

// Writes the layout to the transfer file, copies its large symbols, then the file itself.
SendOutcome SendParameterFile(DeviceLink& link, const ScreenLayout& layout,
                              const DeviceScreen& screen, const ThumbnailRenderer& thumbnail,
                              const std::filesystem::path& tempFile,
                              const std::string& deviceFolder, const std::string& name,
                              const SymbolCopyHooks& hooks);

struct FetchOutcome {
    bool Fetched = false;
    std::string Failure; // why not, as the end of a sentence
};

// Copies a device file to the PC file, replacing it only once the copy is whole;
// the file keeps its mode. A PC file that is no regular file, or that the user
// may not write, is refused and left as it is.
FetchOutcome FetchDeviceFile(DeviceLink& link, const std::string& devicePath,
                             const std::filesystem::path& target);

} // namespace roamplot
