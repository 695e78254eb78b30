// The folder device as a shared library exporting the remote API's eight
// functions, so the tests load it by name as the designer loads the real one.
// It learns its folder from ROAMPLOT_DEVICE_MOUNT, counts calls, and can be
// told to refuse writes.
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "core/device/FolderDevice.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace roamplot;

namespace {
std::map<std::string, int>& Calls() {
    static std::map<std::string, int> calls;
    return calls;
}
int writesLeft = -1; // refused once it reaches 0; -1 never

std::filesystem::path MountFolder() {
#ifdef _WIN32
    // This library's C runtime took its copy of the environment when it was loaded.
    wchar_t mount[32768];
    const DWORD length = GetEnvironmentVariableW(L"ROAMPLOT_DEVICE_MOUNT", mount, 32768);
    return length > 0 && length < 32768 ? std::filesystem::path(mount) : std::filesystem::path();
#else
    const char* mount = std::getenv("ROAMPLOT_DEVICE_MOUNT");
    return mount ? mount : "";
#endif
}
} // namespace

extern "C" {

int RoamplotTestCalls(const char* name) {
    return Calls()[name];
}
void RoamplotTestReset() {
    Calls().clear();
    writesLeft = -1;
}
void RoamplotTestRefuseWritesAfter(int writes) {
    writesLeft = writes;
}

rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiInitEx(rapi::RAPIINIT* init) {
    ++Calls()["CeRapiInitEx"];
    SetFolderDeviceMount(MountFolder());
    return folder_device::CeRapiInitEx(init);
}
rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiUninit() {
    ++Calls()["CeRapiUninit"];
    return folder_device::CeRapiUninit();
}
rapi::HANDLE ROAMPLOT_RAPI_CALL CeCreateFile(const rapi::WCHAR* name, rapi::DWORD access,
                                             rapi::DWORD share, void* security,
                                             rapi::DWORD creation, rapi::DWORD flags,
                                             rapi::HANDLE templateFile) {
    ++Calls()["CeCreateFile"];
    return folder_device::CeCreateFile(name, access, share, security, creation, flags,
                                       templateFile);
}
rapi::BOOL ROAMPLOT_RAPI_CALL CeReadFile(rapi::HANDLE file, void* buffer, rapi::DWORD toRead,
                                         rapi::DWORD* read, void* overlapped) {
    ++Calls()["CeReadFile"];
    return folder_device::CeReadFile(file, buffer, toRead, read, overlapped);
}
rapi::BOOL ROAMPLOT_RAPI_CALL CeWriteFile(rapi::HANDLE file, const void* buffer,
                                          rapi::DWORD toWrite, rapi::DWORD* written,
                                          void* overlapped) {
    ++Calls()["CeWriteFile"];
    if (writesLeft == 0) return 0;
    if (writesLeft > 0) --writesLeft;
    return folder_device::CeWriteFile(file, buffer, toWrite, written, overlapped);
}
rapi::BOOL ROAMPLOT_RAPI_CALL CeCloseHandle(rapi::HANDLE object) {
    ++Calls()["CeCloseHandle"];
    return folder_device::CeCloseHandle(object);
}
rapi::BOOL ROAMPLOT_RAPI_CALL CeFindAllFiles(const rapi::WCHAR* pattern, rapi::DWORD flags,
                                             rapi::DWORD* count, rapi::CE_FIND_DATA** found) {
    ++Calls()["CeFindAllFiles"];
    return folder_device::CeFindAllFiles(pattern, flags, count, found);
}
rapi::HRESULT ROAMPLOT_RAPI_CALL RapiFreeBuffer(void* buffer) {
    ++Calls()["RapiFreeBuffer"];
    return folder_device::RapiFreeBuffer(buffer);
}
}
