#pragma once
// Recovery copies of unsaved work: written while the designer runs so that a
// crash, a power cut or a shutdown loses nothing, found again at the next start.
// Each running designer writes into a session folder of its own.
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "core/app/DeviceScreen.h"
#include "core/keymap/CommandCatalogue.h"
#include "core/keymap/KeyFileWriter.h"
#include "core/keymap/KeyMap.h"
#include "core/model/ScreenLayout.h"

namespace roamplot {

inline constexpr const char* RecoveryLayoutFile = "layout.par1";
inline constexpr const char* RecoveryKeysFile = "keys.key2";
// Two lines, UTF-8: the file the layout copy belongs to, then the key file.
inline constexpr const char* RecoveryNamesFile = "names.txt";

// One copy found in a session folder.
struct RecoveryCopy {
    std::filesystem::path Copy;
    std::filesystem::path BelongsTo; // the file it holds the unsaved state of; empty for a new one
};

struct RecoverySession {
    std::optional<RecoveryCopy> Layout;
    std::optional<RecoveryCopy> Keys;
};

// What a session folder holds; a copy without its name file still counts.
RecoverySession ReadRecoverySession(const std::filesystem::path& sessionFolder);

// "The designer did not close normally. Recover the unsaved changes of NAME?"
std::string RecoveryQuestion(const RecoveryCopy& copy, bool keys);

// The state to copy: a part left empty has no unsaved changes, and its copy goes.
struct RecoverySnapshot {
    std::optional<ScreenLayout> Layout;
    DeviceScreen Screen;
    std::filesystem::path LayoutName;
    std::optional<KeyMap> Keys;
    CommandCatalogue Commands;
    ButtonKeyCodeTexts KeyCodes;
    std::filesystem::path KeysName;
};

// Writes snapshots into the session folder on a thread of its own, so the
// window never waits for the disk. A snapshot posted while another waits
// replaces it; a copy is rewritten only when its bytes changed.
class RecoveryWriter {
  public:
    // `failed` is called once, on the writing thread, with the reason of the
    // first write that failed; nothing is written after it.
    RecoveryWriter(std::filesystem::path sessionFolder,
                   std::function<void(const std::string&)> failed);
    // Waits for the write under way and removes the session folder: a normal
    // end leaves no copy.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void Post(RecoverySnapshot snapshot);
    // Returns once every posted snapshot is written.
    void Flush();
    const std::filesystem::path& SessionFolder() const { return folder_; }

  private:
    void Run();
    std::string Write(const RecoverySnapshot& snapshot);
    std::string Keep(const char* name, const std::optional<std::string>& bytes,
                     std::string& written);

    std::filesystem::path folder_;
    std::function<void(const std::string&)> failed_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<RecoverySnapshot> pending_;
    bool busy_ = false;
    bool stop_ = false;
    bool broken_ = false;
    std::string layoutWritten_, keysWritten_, namesWritten_;
    std::thread thread_;
};

} // namespace roamplot
