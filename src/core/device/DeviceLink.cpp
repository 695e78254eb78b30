#include "core/device/DeviceLink.h"

#include <fstream>
#include <memory>

#include "core/device/DeviceText.h"
#include "core/io/FileIo.h"

namespace roamplot {

namespace {
constexpr const char* CannotConnect = "Cannot connect to PDA";
constexpr const char* CannotWrite = "Cannot write to Destination file";

class DeviceFile {
  public:
    DeviceFile(const rapi::RemoteApiTable& api, rapi::HANDLE handle) : api_(api), handle_(handle) {}
    ~DeviceFile() {
        if (Open()) api_.CeCloseHandle(handle_);
    }
    DeviceFile(const DeviceFile&) = delete;
    DeviceFile& operator=(const DeviceFile&) = delete;
    bool Open() const { return handle_ != rapi::InvalidHandle && handle_ != nullptr; }
    // A device may finish a file only at its close, so a written file's close tells.
    bool Close() {
        const bool closed = Open() && api_.CeCloseHandle(handle_) != 0;
        handle_ = rapi::InvalidHandle;
        return closed;
    }
    rapi::HANDLE Handle() const { return handle_; }

  private:
    const rapi::RemoteApiTable& api_;
    rapi::HANDLE handle_;
};
} // namespace

DeviceLink::DeviceLink(RemoteApiSource source, DeviceLinkHooks hooks)
    : source_(std::move(source)), hooks_(std::move(hooks)) {}

DeviceLink::~DeviceLink() {
    DisconnectAll();
}

const rapi::RemoteApiTable* DeviceLink::Table() {
    if (!table_) table_ = source_ ? source_() : rapi::RemoteApiTable{};
    return table_->Complete() ? &*table_ : nullptr;
}

void DeviceLink::Tell(const std::string& text) {
    if (hooks_.ShowMessage) hooks_.ShowMessage(text);
}

void DeviceLink::Between() {
    if (hooks_.ProcessEvents) hooks_.ProcessEvents();
}

bool DeviceLink::Fail(std::string reason) {
    lastFailure_ = std::move(reason);
    return false;
}

bool DeviceLink::Connect() {
    if (depth_ > 0) {
        ++depth_;
        return true;
    }
    const rapi::RemoteApiTable* api = Table();
    if (!api) {
        Tell(CannotConnect);
        return false;
    }
    rapi::RAPIINIT init{sizeof(rapi::RAPIINIT), nullptr, 0};
    const rapi::HRESULT started = api->CeRapiInitEx(&init);
    int timeouts = 0;
    bool signalled = false;
    while (started == rapi::Ok && timeouts < MostWaitSteps) {
        if (hooks_.WaitForEvent && hooks_.WaitForEvent(init.heRapiInit, WaitStepMs)) {
            signalled = true;
            break;
        }
        ++timeouts;
    }
    if (signalled && timeouts < MostWaitSteps - 1 && init.hrRapiInit == rapi::Ok) {
        depth_ = 1;
        return true;
    }
    // The library wants its uninit after every init, even a failed one.
    if (started == rapi::Ok) api->CeRapiUninit();
    Tell(CannotConnect);
    return false;
}

void DeviceLink::Disconnect() {
    if (depth_ == 0) return;
    if (--depth_ == 0) Table()->CeRapiUninit();
}

void DeviceLink::DisconnectAll() {
    if (depth_ == 0) return;
    depth_ = 1;
    Disconnect();
}

bool DeviceLink::CopyToDevice(const std::filesystem::path& pcFile, const std::string& devicePath) {
    const rapi::RemoteApiTable* api = Table();
    if (!api || !Connected()) return Fail("the PDA is not connected");
    if (devicePath.size() > MostDevicePathLength) return Fail("the path on the PDA is too long");
    // A pipe would block the open until something wrote to it.
    if (!FileExists(pcFile)) return Fail("the file on this PC cannot be read");
    std::ifstream source(pcFile, std::ios::binary);
    if (!source) return Fail("the file on this PC cannot be read");
    const std::u16string name = DeviceTextToUtf16(devicePath);
    DeviceFile target(*api, api->CeCreateFile(name.c_str(), rapi::GenericWrite, rapi::FileShareRead,
                                              nullptr, rapi::CreateAlways, 0, nullptr));
    if (!target.Open()) return Fail("the file cannot be created on the PDA");
    auto block = std::make_unique<char[]>(BlockSize);
    while (true) {
        source.read(block.get(), BlockSize);
        const auto got = static_cast<rapi::DWORD>(source.gcount());
        if (source.bad()) return Fail("the file on this PC cannot be read");
        if (got == 0) return target.Close() || Fail("the file could not be completed on the PDA");
        rapi::DWORD written = 0;
        if (!api->CeWriteFile(target.Handle(), block.get(), got, &written, nullptr)) {
            Tell(CannotWrite);
            return Fail("the PDA refused the data");
        }
        Between();
    }
}

bool DeviceLink::CopyFromDevice(const std::string& devicePath,
                                const std::filesystem::path& pcFile) {
    const rapi::RemoteApiTable* api = Table();
    if (!api || !Connected()) return Fail("the PDA is not connected");
    if (devicePath.size() > MostDevicePathLength) return Fail("the path on the PDA is too long");
    const std::u16string name = DeviceTextToUtf16(devicePath);
    DeviceFile source(*api, api->CeCreateFile(name.c_str(), rapi::GenericRead, rapi::FileShareRead,
                                              nullptr, rapi::OpenExisting, 0, nullptr));
    if (!source.Open()) return Fail("the file is not on the PDA");
    std::ofstream target(pcFile, std::ios::binary | std::ios::trunc);
    if (!target) return Fail("the file on this PC cannot be written");
    auto discard = [&](std::string reason) {
        target.close();
        std::error_code ignored;
        std::filesystem::remove(pcFile, ignored);
        return Fail(std::move(reason));
    };
    auto block = std::make_unique<char[]>(BlockSize);
    while (true) {
        rapi::DWORD got = 0;
        if (!api->CeReadFile(source.Handle(), block.get(), BlockSize, &got, nullptr))
            return discard("the file could not be read from the PDA");
        if (got == 0) break;
        if (got > static_cast<rapi::DWORD>(BlockSize)) return discard("the PDA sent too much data");
        if (!target.write(block.get(), got)) {
            Tell(CannotWrite);
            return discard("the file on this PC cannot be written");
        }
        Between();
    }
    if (!target.flush()) {
        Tell(CannotWrite);
        return discard("the file on this PC cannot be written");
    }
    target.close();
    if (target.fail()) {
        Tell(CannotWrite);
        return discard("the file on this PC cannot be written");
    }
    return true;
}

std::optional<std::vector<std::string>> DeviceLink::ListDeviceFiles(const std::string& folder,
                                                                    const std::string& pattern) {
    const rapi::RemoteApiTable* api = Table();
    if (!api || !Connected()) return std::nullopt;
    const std::u16string search = DeviceTextToUtf16(folder + "\\" + pattern);
    rapi::DWORD count = 0;
    rapi::CE_FIND_DATA* found = nullptr;
    if (!api->CeFindAllFiles(search.c_str(),
                             rapi::FafName | rapi::FafAttributes | rapi::FafSizeHigh |
                                 rapi::FafSizeLow | rapi::FafLastWriteTime,
                             &count, &found))
        return std::nullopt;
    std::vector<std::string> names;
    names.reserve(count);
    for (rapi::DWORD i = 0; i < count && found; ++i) {
        const rapi::WCHAR* text = found[i].cFileName;
        std::size_t length = 0;
        while (length < rapi::MaxPath && text[length] != 0) ++length;
        names.push_back(Utf16ToDeviceText(std::u16string(text, length)));
    }
    if (found) api->RapiFreeBuffer(found);
    return names;
}

} // namespace roamplot
