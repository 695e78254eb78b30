#ifndef _WIN32
#include <cstdlib>
#include <dlfcn.h>
#include <poll.h>
#include <unistd.h>

#include "core/device/RemoteApiLibrary.h"

namespace roamplot {

namespace {
struct PipeEvent {
    int Read = -1;
    int Write = -1;
};

// Loaded for the rest of the process: the table's functions live in it.
void* OpenLibrary(const std::filesystem::path& library) {
    return dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
}

template <class Function> void Find(void* handle, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(handle, name));
}
} // namespace

std::optional<std::filesystem::path> RemoteApiLibraryName() {
    const char* named = std::getenv("ROAMPLOT_RAPI_LIBRARY");
    if (named && *named) return std::filesystem::path(named);
    return std::nullopt;
}

rapi::RemoteApiTable LoadRemoteApiLibrary(const std::filesystem::path& library) {
    rapi::RemoteApiTable table;
    void* handle = OpenLibrary(library);
    if (!handle) return table;
    Find(handle, "CeRapiInitEx", table.CeRapiInitEx);
    Find(handle, "CeRapiUninit", table.CeRapiUninit);
    Find(handle, "CeCreateFile", table.CeCreateFile);
    Find(handle, "CeReadFile", table.CeReadFile);
    Find(handle, "CeWriteFile", table.CeWriteFile);
    Find(handle, "CeCloseHandle", table.CeCloseHandle);
    Find(handle, "CeFindAllFiles", table.CeFindAllFiles);
    Find(handle, "RapiFreeBuffer", table.RapiFreeBuffer);
    return table;
}

void* FindLibraryFunction(const std::filesystem::path& library, const char* name) {
    void* handle = OpenLibrary(library);
    return handle ? dlsym(handle, name) : nullptr;
}

rapi::HANDLE CreateConnectionEvent() {
    int ends[2];
    if (pipe(ends) != 0) return nullptr;
    return new PipeEvent{ends[0], ends[1]};
}

void SignalConnectionEvent(rapi::HANDLE event) {
    if (!event) return;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(static_cast<PipeEvent*>(event)->Write, &byte, 1);
}

void CloseConnectionEvent(rapi::HANDLE event) {
    auto* pipeEvent = static_cast<PipeEvent*>(event);
    if (!pipeEvent) return;
    close(pipeEvent->Read);
    close(pipeEvent->Write);
    delete pipeEvent;
}

bool WaitForConnectionEvent(rapi::HANDLE event, int milliseconds) {
    if (!event) return false;
    pollfd watched{static_cast<PipeEvent*>(event)->Read, POLLIN, 0};
    return poll(&watched, 1, milliseconds) == 1;
}

} // namespace roamplot
#endif
