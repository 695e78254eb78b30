#include "core/device/FolderDevice.h"

#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "core/device/RemoteApiLibrary.h"
#include "core/io/FileIo.h"
#include "core/io/FileNames.h"

namespace roamplot {

namespace fs = std::filesystem;

namespace {

// A file open through a handle. One being written goes to a temporary name
// beside its target and takes the target's place only at a close after every
// write succeeded, so a card that fills up or a send cut off leaves the old file.
struct OpenFile {
    std::fstream Stream;
    fs::path Target; // empty for a file opened to read
    fs::path Temporary;
    bool Failed = false;

    OpenFile() = default;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { Discard(); }

    void Discard() {
        if (Temporary.empty()) return;
        Stream.close();
        std::error_code ignored;
        fs::remove(Temporary, ignored);
        Temporary.clear();
    }
    bool Finish() {
        if (Target.empty()) {
            Stream.close();
            return true;
        }
        Stream.close();
        if (Failed || Stream.fail()) {
            Discard();
            return false;
        }
        std::error_code error;
        const fs::file_status old = fs::status(Target, error);
        if (!error && fs::exists(old))
            fs::permissions(Temporary, old.permissions(), fs::perm_options::replace, error);
        fs::rename(Temporary, Target, error);
        if (error) {
            Discard();
            return false;
        }
        Temporary.clear();
        return true;
    }
};

struct FolderDeviceState {
    fs::path Mount;
    fs::path Connected; // the folder of the live connection, empty when none
    rapi::HANDLE Event = nullptr;
    std::map<intptr_t, std::unique_ptr<OpenFile>> Files;
    intptr_t NextHandle = 1;
};

FolderDeviceState& State() {
    static FolderDeviceState state;
    return state;
}

// Latin-1 letters fold as the handheld folds them; others stay.
char16_t Fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
    return c;
}

bool SameName(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

std::vector<std::u16string> Components(const std::u16string& devicePath) {
    std::vector<std::u16string> parts;
    std::u16string part;
    for (char16_t c : devicePath) {
        if (c == u'\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

bool Refused(const std::u16string& component) {
    if (component == u"." || component == u"..") return true;
    for (char16_t c : component)
        if (c == u'/' || c == u':' || c < 0x20) return true;
    return false;
}

fs::path Resolve(const fs::path& folder, const std::u16string& component) {
    fs::path exact = folder / PathFromUtf16(component);
    std::error_code error;
    if (fs::exists(exact, error)) return exact;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (SameName(PathToUtf16(it->path().filename()), component)) return it->path();
    return exact;
}

std::u16string Terminated(const rapi::WCHAR* text) {
    std::u16string result;
    if (!text) return result;
    for (std::size_t i = 0; text[i] != 0 && i < 32768; ++i) result.push_back(text[i]);
    return result;
}

OpenFile* FileOf(rapi::HANDLE handle) {
    auto& files = State().Files;
    auto found = files.find(reinterpret_cast<intptr_t>(handle));
    return found == files.end() ? nullptr : found->second.get();
}

// The path with its links resolved, when it stays inside the folder: links on
// the card may lead anywhere on the PC.
std::optional<fs::path> InsideFolder(const fs::path& folder, const fs::path& path) {
    std::error_code error;
    const fs::path root = fs::canonical(folder, error);
    if (error) return std::nullopt;
    const fs::path resolved = fs::weakly_canonical(path, error);
    if (error) return std::nullopt;
    auto at = resolved.begin();
    for (auto part = root.begin(); part != root.end(); ++part, ++at)
        if (at == resolved.end() || *at != *part) return std::nullopt;
    return resolved;
}

// The device path's place on the PC, when it lies inside the connected folder.
std::optional<fs::path> PlaceOf(const std::u16string& devicePath) {
    const fs::path& folder = State().Connected;
    const std::optional<fs::path> mapped = MapDevicePath(folder, devicePath);
    return mapped ? InsideFolder(folder, *mapped) : std::nullopt;
}

} // namespace

void SetFolderDeviceMount(const fs::path& folder) {
    State().Mount = folder;
}

std::optional<fs::path> MapDevicePath(const fs::path& folder, const std::u16string& devicePath) {
    fs::path mapped = folder;
    for (const std::u16string& component : Components(devicePath)) {
        if (Refused(component)) return std::nullopt;
        mapped = Resolve(mapped, component);
    }
    return mapped;
}

bool MatchesDevicePattern(const std::u16string& name, const std::u16string& pattern) {
    std::size_t n = 0, p = 0, starP = std::u16string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u16string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') ++p;
    return p == pattern.size();
}

namespace folder_device {

rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiInitEx(rapi::RAPIINIT* init) {
    if (!init || init->cbSize != sizeof(rapi::RAPIINIT)) return rapi::Failed;
    FolderDeviceState& state = State();
    CloseConnectionEvent(state.Event);
    state.Event = CreateConnectionEvent();
    if (!state.Event) return rapi::Failed;
    std::error_code error;
    const bool present = !state.Mount.empty() && fs::is_directory(state.Mount, error);
    state.Connected = present ? state.Mount : fs::path();
    init->heRapiInit = state.Event;
    init->hrRapiInit = present ? rapi::Ok : rapi::Failed;
    SignalConnectionEvent(state.Event);
    return rapi::Ok;
}

rapi::HRESULT ROAMPLOT_RAPI_CALL CeRapiUninit() {
    FolderDeviceState& state = State();
    state.Files.clear();
    state.Connected.clear();
    CloseConnectionEvent(state.Event);
    state.Event = nullptr;
    return rapi::Ok;
}

rapi::HANDLE ROAMPLOT_RAPI_CALL CeCreateFile(const rapi::WCHAR* name, rapi::DWORD access,
                                             rapi::DWORD /*share*/, void* /*security*/,
                                             rapi::DWORD creation, rapi::DWORD /*flags*/,
                                             rapi::HANDLE /*templateFile*/) {
    FolderDeviceState& state = State();
    if (state.Connected.empty()) return rapi::InvalidHandle;
    const std::optional<fs::path> path = PlaceOf(Terminated(name));
    std::error_code error;
    if (!path || fs::is_directory(*path, error)) return rapi::InvalidHandle;
    auto file = std::make_unique<OpenFile>();
    if (access & rapi::GenericWrite) {
        if (creation != rapi::CreateAlways || !fs::is_directory(path->parent_path(), error))
            return rapi::InvalidHandle;
        // A pipe would block the write, a device would take it.
        const fs::file_status there = fs::symlink_status(*path, error);
        if (fs::exists(there) && !fs::is_regular_file(there)) return rapi::InvalidHandle;
        RemoveWriteLeftovers(*path);
        file->Target = *path;
        file->Temporary = TemporaryBeside(*path);
        file->Stream.open(file->Temporary, std::ios::binary | std::ios::out | std::ios::trunc);
    } else {
        if (creation != rapi::OpenExisting || !fs::is_regular_file(*path, error))
            return rapi::InvalidHandle;
        file->Stream.open(*path, std::ios::binary | std::ios::in);
    }
    if (!file->Stream) return rapi::InvalidHandle;
    const intptr_t handle = state.NextHandle++;
    state.Files.emplace(handle, std::move(file));
    return reinterpret_cast<rapi::HANDLE>(handle);
}

rapi::BOOL ROAMPLOT_RAPI_CALL CeReadFile(rapi::HANDLE file, void* buffer, rapi::DWORD toRead,
                                         rapi::DWORD* read, void* /*overlapped*/) {
    OpenFile* open = FileOf(file);
    if (read) *read = 0;
    if (!open || !buffer) return 0;
    std::fstream& stream = open->Stream;
    stream.read(static_cast<char*>(buffer), toRead);
    if (stream.bad()) return 0;
    if (read) *read = static_cast<rapi::DWORD>(stream.gcount());
    stream.clear();
    return 1;
}

rapi::BOOL ROAMPLOT_RAPI_CALL CeWriteFile(rapi::HANDLE file, const void* buffer,
                                          rapi::DWORD toWrite, rapi::DWORD* written,
                                          void* /*overlapped*/) {
    OpenFile* open = FileOf(file);
    if (written) *written = 0;
    if (!open || !buffer) return 0;
    if (!open->Stream.write(static_cast<const char*>(buffer), toWrite) || !open->Stream.flush()) {
        open->Failed = true;
        return 0;
    }
    if (written) *written = toWrite;
    return 1;
}

rapi::BOOL ROAMPLOT_RAPI_CALL CeCloseHandle(rapi::HANDLE object) {
    auto& files = State().Files;
    const auto found = files.find(reinterpret_cast<intptr_t>(object));
    if (found == files.end()) return 0;
    const bool finished = found->second->Finish();
    files.erase(found);
    return finished ? 1 : 0;
}

rapi::BOOL ROAMPLOT_RAPI_CALL CeFindAllFiles(const rapi::WCHAR* pattern, rapi::DWORD /*flags*/,
                                             rapi::DWORD* count, rapi::CE_FIND_DATA** found) {
    FolderDeviceState& state = State();
    if (!count || !found || state.Connected.empty()) return 0;
    *count = 0;
    *found = nullptr;
    const std::u16string search = Terminated(pattern);
    const std::size_t split = search.rfind(u'\\');
    const std::u16string wildcard =
        split == std::u16string::npos ? search : search.substr(split + 1);
    const std::optional<fs::path> folder =
        PlaceOf(split == std::u16string::npos ? u"" : search.substr(0, split));
    std::error_code error;
    if (!folder || !fs::is_directory(*folder, error)) return 0;

    std::vector<rapi::CE_FIND_DATA> matches;
    for (fs::directory_iterator it(*folder, error), end; !error && it != end; it.increment(error)) {
        const std::u16string name = PathToUtf16(it->path().filename());
        if (name.size() >= rapi::MaxPath || !MatchesDevicePattern(name, wildcard)) continue;
        rapi::CE_FIND_DATA data{};
        std::error_code ignored;
        const bool directory = it->is_directory(ignored);
        data.dwFileAttributes = directory ? rapi::FileAttributeDirectory : 0;
        const std::uintmax_t size = directory ? 0 : it->file_size(ignored);
        data.nFileSizeLow = static_cast<rapi::DWORD>(size);
        data.nFileSizeHigh = static_cast<rapi::DWORD>(size >> 32);
        std::memcpy(data.cFileName, name.data(), name.size() * sizeof(rapi::WCHAR));
        matches.push_back(data);
    }
    auto* buffer = new rapi::CE_FIND_DATA[matches.size() ? matches.size() : 1];
    std::copy(matches.begin(), matches.end(), buffer);
    *count = static_cast<rapi::DWORD>(matches.size());
    *found = buffer;
    return 1;
}

rapi::HRESULT ROAMPLOT_RAPI_CALL RapiFreeBuffer(void* buffer) {
    delete[] static_cast<rapi::CE_FIND_DATA*>(buffer);
    return rapi::Ok;
}

} // namespace folder_device

rapi::RemoteApiTable FolderDeviceTable() {
    using namespace folder_device;
    return {CeRapiInitEx, CeRapiUninit,  CeCreateFile,   CeReadFile,
            CeWriteFile,  CeCloseHandle, CeFindAllFiles, RapiFreeBuffer};
}

} // namespace roamplot
