#pragma once
// The remote API's eight functions over a folder of the PC that stands for the
// handheld's storage: a storage card in a card reader, a mounted device, or
// any folder to try things with.
#include <filesystem>
#include <optional>
#include <string>

#include "core/device/RemoteApi.h"

namespace roamplot {

// The folder the next connection works in; a folder that does not exist
// makes connecting fail.
void SetFolderDeviceMount(const std::filesystem::path& folder);

rapi::RemoteApiTable FolderDeviceTable();

// Where a device path ("\Roamplot 2\my.par1") lies below the folder: "\"
// separates, empty components collapse, existing names match without regard
// to case. Nothing for a path that would leave the folder ("..", a drive
// letter, "/").
std::optional<std::filesystem::path> MapDevicePath(const std::filesystem::path& folder,
                                                   const std::u16string& devicePath);

// "*" and "?" as the handheld matches them, without regard to case.
bool MatchesDevicePattern(const std::u16string& name, const std::u16string& pattern);

namespace folder_device {
rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiInitEx(rapi::RAPIINIT* init);
rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiUninit();
rapi::HANDLE ROAMPLOT_RAPI_CALL CeCreateFile(const rapi::WCHAR* name, rapi::DWORD access,
                                             rapi::DWORD share, void* security,
                                             rapi::DWORD creation, rapi::DWORD flags,
                                             rapi::HANDLE templateFile);
rapi::BOOL ROAMPLOT_RAPI_CALL CeReadFile(rapi::HANDLE file, void* buffer, rapi::DWORD toRead,
                                         rapi::DWORD* read, void* overlapped);
rapi::BOOL ROAMPLOT_RAPI_CALL CeWriteFile(rapi::HANDLE file, const void* buffer,
                                          rapi::DWORD toWrite, rapi::DWORD* written,
                                          void* overlapped);
rapi::BOOL ROAMPLOT_RAPI_CALL CeCloseHandle(rapi::HANDLE object);
rapi::BOOL ROAMPLOT_RAPI_CALL CeFindAllFiles(const rapi::WCHAR* pattern, rapi::DWORD flags,
                                             rapi::DWORD* count, rapi::CE_FIND_DATA** found);
rapi::HRESULT ROAMPLOT_RAPI_CALL RapiFreeBuffer(void* buffer);
} // namespace folder_device

} // namespace roamplot
