#include "core/device/DeviceChoice.h"

#include "core/device/FolderDevice.h"
#include "core/device/RemoteApiLibrary.h"

namespace roamplot {

RemoteApiSource ChooseRemoteApi(const std::filesystem::path& mountFolder) {
    if (!mountFolder.empty())
        return [mountFolder] {
            SetFolderDeviceMount(mountFolder);
            return FolderDeviceTable();
        };
    return [] {
        const auto library = RemoteApiLibraryName();
        return library ? LoadRemoteApiLibrary(*library) : rapi::RemoteApiTable{};
    };
}

DeviceLinkHooks SystemDeviceLinkHooks() {
    DeviceLinkHooks hooks;
    hooks.WaitForEvent = WaitForConnectionEvent;
    return hooks;
}

} // namespace roamplot
