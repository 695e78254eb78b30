#ifdef _WIN32
#include <windows.h>

#include <cstdlib>

#include "core/device/RemoteApiLibrary.h"

namespace roamplot {

namespace {
// Loaded for the rest of the process: the table's functions live in it.
HMODULE OpenLibrary(const std::filesystem::path& library) {
    return LoadLibraryW(library.c_str());
}

template <class Function> void Find(HMODULE module, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
} // namespace

std::optional<std::filesystem::path> RemoteApiLibraryName() {
    const wchar_t* named = _wgetenv(L"ROAMPLOT_RAPI_LIBRARY");
    if (named && *named) return std::filesystem::path(named);
    return std::filesystem::path(L"RAPI.DLL");
}

rapi::RemoteApiTable LoadRemoteApiLibrary(const std::filesystem::path& library) {
    rapi::RemoteApiTable table;
    HMODULE module = OpenLibrary(library);
    if (!module) return table;
    Find(module, "CeRapiInitEx", table.CeRapiInitEx);
    Find(module, "CeRapiUninit", table.CeRapiUninit);
    Find(module, "CeCreateFile", table.CeCreateFile);
    Find(module, "CeReadFile", table.CeReadFile);
    Find(module, "CeWriteFile", table.CeWriteFile);
    Find(module, "CeCloseHandle", table.CeCloseHandle);
    Find(module, "CeFindAllFiles", table.CeFindAllFiles);
    Find(module, "RapiFreeBuffer", table.RapiFreeBuffer);
    return table;
}

void* FindLibraryFunction(const std::filesystem::path& library, const char* name) {
    HMODULE module = OpenLibrary(library);
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

rapi::HANDLE CreateConnectionEvent() {
    return CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

void SignalConnectionEvent(rapi::HANDLE event) {
    if (event) SetEvent(event);
}

void CloseConnectionEvent(rapi::HANDLE event) {
    if (event) CloseHandle(event);
}

bool WaitForConnectionEvent(rapi::HANDLE event, int milliseconds) {
    return event && WaitForSingleObject(event, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

} // namespace roamplot
#endif
