#include "core/app/RecoveryCopies.h"

#include "core/io/FileIo.h"
#include "core/io/FileNames.h"
#include "core/model/ParameterFileWriter.h"

namespace roamplot {

namespace fs = std::filesystem;

RecoverySession ReadRecoverySession(const fs::path& sessionFolder) {
    RecoverySession session;
    std::string names = ReadFileStart(sessionFolder / RecoveryNamesFile, 1 << 16).value_or("");
    const std::size_t end = names.find('\n');
    const std::string layoutName = names.substr(0, end);
    const std::string keysName = end == std::string::npos ? "" : names.substr(end + 1);
    auto found = [&](const char* file, const std::string& name) -> std::optional<RecoveryCopy> {
        const fs::path copy = sessionFolder / file;
        if (!FileExists(copy)) return std::nullopt;
        return RecoveryCopy{copy, PathFromUtf8(name.substr(0, name.find('\n')))};
    };
    session.Layout = found(RecoveryLayoutFile, layoutName);
    session.Keys = found(RecoveryKeysFile, keysName);
    return session;
}

std::string RecoveryQuestion(const RecoveryCopy& copy, bool keys) {
    const std::string name = copy.BelongsTo.empty() ? (keys ? "the new key map" : "the new layout")
                                                    : PathToText(FileNameOf(copy.BelongsTo));
    return "The designer did not close normally. Recover the unsaved changes of " + name + "?";
}

RecoveryWriter::RecoveryWriter(fs::path sessionFolder,
                               std::function<void(const std::string&)> failed)
    : folder_(std::move(sessionFolder)), failed_(std::move(failed)), thread_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        pending_.reset();
    }
    wake_.notify_all();
    thread_.join();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void RecoveryWriter::Post(RecoverySnapshot snapshot) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (broken_) return;
        pending_ = std::move(snapshot);
    }
    wake_.notify_all();
}

void RecoveryWriter::Flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait(lock, [this] { return (!pending_ && !busy_) || stop_; });
}

void RecoveryWriter::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return pending_ || stop_; });
        if (stop_) return;
        const RecoverySnapshot snapshot = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        const std::string error = Write(snapshot);
        lock.lock();
        busy_ = false;
        if (!error.empty() && !broken_) {
            broken_ = true;
            pending_.reset();
            lock.unlock();
            if (failed_) failed_(error);
            lock.lock();
        }
        wake_.notify_all();
    }
}

// Writes or removes one copy; `written` holds what the file holds now.
std::string RecoveryWriter::Keep(const char* name, const std::optional<std::string>& bytes,
                                 std::string& written) {
    const fs::path file = folder_ / name;
    if (!bytes) {
        std::error_code ignored;
        fs::remove(file, ignored);
        written.clear();
        return {};
    }
    if (*bytes == written && FileExists(file)) return {};
    std::string error = WriteFileAtomically(file, *bytes);
    written = error.empty() ? *bytes : std::string();
    return error;
}

std::string RecoveryWriter::Write(const RecoverySnapshot& snapshot) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error)
        return "Cannot create the folder \"" + PathToText(folder_) + "\". " + error.message();
    std::optional<std::string> layout, keys;
    // Thumbnails are left out: they cost the most, and a recovered layout gets them at its save.
    const ThumbnailRenderer noThumbnails = [](const ScreenLayout&, int) -> std::optional<Dib> {
        return std::nullopt;
    };
    if (snapshot.Layout)
        layout = ComposeParameterFile(*snapshot.Layout, snapshot.Screen, noThumbnails).Bytes;
    if (snapshot.Keys) keys = KeyFileText(*snapshot.Keys, snapshot.Commands, snapshot.KeyCodes);
    const std::string names =
        PathToUtf8(snapshot.LayoutName) + "\n" + PathToUtf8(snapshot.KeysName);
    // The names first: a copy is never there without the name of its file.
    if (std::string problem = Keep(RecoveryNamesFile, names, namesWritten_); !problem.empty())
        return problem;
    if (std::string problem = Keep(RecoveryLayoutFile, layout, layoutWritten_); !problem.empty())
        return problem;
    return Keep(RecoveryKeysFile, keys, keysWritten_);
}

} // namespace roamplot
