#pragma once
// What the remote API needs of the operating system: loading the library by
// name, and the connection event. One implementation file per system.
#include <filesystem>
#include <optional>

#include "core/device/RemoteApi.h"

namespace roamplot {

// The library named by ROAMPLOT_RAPI_LIBRARY when it is set, else RAPI.DLL on
// Windows; elsewhere there is none.
std::optional<std::filesystem::path> RemoteApiLibraryName();

// Loads the library once and finds the eight functions by their exported
// names; a missing library or function leaves entries empty.
rapi::RemoteApiTable LoadRemoteApiLibrary(const std::filesystem::path& library);
// Any other exported function of a loaded (or loadable) library, or null.
void* FindLibraryFunction(const std::filesystem::path& library, const char* name);

// The event a connection attempt signals when it has ended.
rapi::HANDLE CreateConnectionEvent();
void SignalConnectionEvent(rapi::HANDLE event);
void CloseConnectionEvent(rapi::HANDLE event);
// True when the event came within the time.
bool WaitForConnectionEvent(rapi::HANDLE event, int milliseconds);

} // namespace roamplot
