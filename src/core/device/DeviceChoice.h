#pragma once
// Which remote API a DeviceLink talks to: the folder device when a mount
// folder is set, otherwise the library found by name, otherwise none.
#include <filesystem>

#include "core/device/DeviceLink.h"

namespace roamplot {

RemoteApiSource ChooseRemoteApi(const std::filesystem::path& mountFolder);

// Hooks that wait on the real event and show nothing; the caller adds its own.
DeviceLinkHooks SystemDeviceLinkHooks();

} // namespace roamplot
