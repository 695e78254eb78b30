#pragma once
// The connection to the handheld over a table of the remote API's functions.
// Everything runs on the caller's thread; the hooks let the window layer keep
// repainting between blocks and show messages without core knowing of windows.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/device/RemoteApi.h"

namespace roamplot {

struct DeviceLinkHooks {
    // Waits on the connection event at most the given time; true when it came.
    std::function<bool(rapi::HANDLE event, int milliseconds)> WaitForEvent;
    // Lets pending window events through between copied blocks.
    std::function<void()> ProcessEvents;
    std::function<void(const std::string& text)> ShowMessage;
};

// The table is asked for at first use; a table with a function missing
// behaves as an absent device.
using RemoteApiSource = std::function<rapi::RemoteApiTable()>;

class DeviceLink {
  public:
    static constexpr int BlockSize = 32000;
    static constexpr int WaitStepMs = 100;
    static constexpr int MostWaitSteps = 51;
    static constexpr std::size_t MostDevicePathLength = 399;

    DeviceLink(RemoteApiSource source, DeviceLinkHooks hooks);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Nests: an inner Connect on a live connection only counts, so a transfer
    // keeps its connection across an inner Connect and Disconnect pair.
    bool Connect();
    void Disconnect();
    // Ends the connection whatever the nesting (the program's end).
    void DisconnectAll();
    bool Connected() const { return depth_ > 0; }

    // Device paths are Windows-1252 text with "\" separators. The copy has
    // succeeded only when the device took the last block and closed the file.
    bool CopyToDevice(const std::filesystem::path& pcFile, const std::string& devicePath);
    // A failed copy deletes the partial PC file.
    bool CopyFromDevice(const std::string& devicePath, const std::filesystem::path& pcFile);
    // The names matching folder + "\" + pattern, as the device gives them;
    // nothing when the search failed.
    std::optional<std::vector<std::string>> ListDeviceFiles(const std::string& folder,
                                                            const std::string& pattern);

    // Why the last copy failed, in words for the user ("the file is not on the PDA").
    const std::string& LastFailure() const { return lastFailure_; }
    // A copy refused before it began: the reason becomes the last failure.
    bool Refuse(std::string reason) { return Fail(std::move(reason)); }

  private:
    const rapi::RemoteApiTable* Table();
    void Tell(const std::string& text);
    void Between();
    bool Fail(std::string reason);

    RemoteApiSource source_;
    DeviceLinkHooks hooks_;
    std::optional<rapi::RemoteApiTable> table_;
    int depth_ = 0;
    std::string lastFailure_;
};

} // namespace roamplot
