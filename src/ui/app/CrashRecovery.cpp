#include "ui/app/CrashRecovery.h"

#include <QDir>
#include <QStandardPaths>
#include <QUuid>

#include "render/PathText.h"
#include "render/TextCodec.h"
#include "ui/app/MainForm.h"
#include "ui/app/Prompter.h"
#include "ui/keymap/KeyMapTab.h"

namespace roamplot {

namespace {

QString RecoveryFolder(const MainForm& form) {
    const QString chosen = qEnvironmentVariable("ROAMPLOT_RECOVERY_FOLDER");
    if (!chosen.isEmpty()) return chosen;
    // Not the application's own data folder: its name carries the version, and
    // copies left by a crash must outlive an update.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) return data + "/RoamplotCE Screen Designer/Recovery";
    return QStringFromPath(form.Settings().Path().parent_path() / "Recovery");
}

} // namespace

CrashRecovery::CrashRecovery(MainForm& form, Prompter& prompter)
    : QObject(&form), form_(form), prompter_(prompter), folder_(RecoveryFolder(form)),
      session_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(folder_ + "/" + session_ + ".lock");
    // Only a designer that has ended leaves a lock to take, however old it is.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        off_ = true;
        form_.AddStartupProblem(
            tr("The recovery folder \"%1\" cannot be written, so recovery after a crash is off.")
                .arg(QDir::toNativeSeparators(folder_)));
        return;
    }
    writer_ = std::make_unique<RecoveryWriter>(
        PathFromQString(folder_ + "/" + session_), [this](const std::string& reason) {
            QMetaObject::invokeMethod(
                this, [this, reason] { TurnOff(ToQString(reason)); }, Qt::QueuedConnection);
        });
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CrashRecovery::CopyUnsavedWork);
    timer_.start();
}

CrashRecovery::~CrashRecovery() {
    writer_.reset();
    if (lock_) lock_->unlock();
}

void CrashRecovery::TurnOff(const QString& reason) {
    if (off_) return;
    off_ = true;
    timer_.stop();
    prompter_.ShowMessage(tr("%1 Recovery after a crash is off.").arg(reason));
}

void CrashRecovery::CopyUnsavedWork() {
    if (off_ || !writer_) return;
    const bool layoutUnsaved = form_.Layout().Modified;
    const bool keysUnsaved = form_.Keys().Changed;
    if (!layoutUnsaved && !keysUnsaved && !copied_) return;
    RecoverySnapshot snapshot;
    if (layoutUnsaved) {
        snapshot.Layout = form_.Layout();
        snapshot.Screen = form_.Screen();
    }
    snapshot.LayoutName = form_.ParameterFileName();
    if (keysUnsaved) {
        snapshot.Keys = form_.Keys();
        snapshot.Commands = form_.Commands();
        snapshot.KeyCodes = form_.KeyMapPage()->ButtonKeyCodes();
    }
    snapshot.KeysName = form_.KeyMapPage()->KeyFileName();
    copied_ = layoutUnsaved || keysUnsaved;
    writer_->Post(std::move(snapshot));
}

void CrashRecovery::Flush() {
    if (writer_) writer_->Flush();
}

void CrashRecovery::OfferCopiesOfEndedSessions() {
    if (off_) return;
    bool recovered = false;
    const QDir root(folder_);
    for (const QString& session : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (session == session_) continue;
        QLockFile other(root.filePath(session + ".lock"));
        other.setStaleLockTime(0);
        // A designer still running holds its lock.
        if (!other.tryLock(0)) continue;
        const RecoverySession found = ReadRecoverySession(PathFromQString(root.filePath(session)));
        auto ask = [this](const RecoveryCopy& copy, bool keys) {
            return prompter_.ChooseBetween(ToQString(RecoveryQuestion(copy, keys)),
                                           tr(RecoverButton), tr(DiscardButton));
        };
        if (found.Layout && ask(*found.Layout, false)) {
            form_.TakeRecoveredLayout(found.Layout->Copy, found.Layout->BelongsTo);
            recovered = true;
        }
        if (found.Keys && ask(*found.Keys, true)) {
            form_.TakeRecoveredKeys(found.Keys->Copy, found.Keys->BelongsTo);
            recovered = true;
        }
        QDir(root.filePath(session)).removeRecursively();
        other.unlock();
    }
    // The lock of a designer that ended before it copied anything.
    for (const QString& lock : root.entryList({"*.lock"}, QDir::Files)) {
        if (lock == session_ + ".lock" || root.exists(lock.chopped(5))) continue;
        QLockFile orphan(root.filePath(lock));
        orphan.setStaleLockTime(0);
        if (orphan.tryLock(0)) orphan.unlock();
    }
    // The copies taken in are gone from their old session: this one keeps them now.
    if (recovered) CopyUnsavedWork();
}

} // namespace roamplot
