#pragma once
// Recovery after a crash: while the layout or the key map has unsaved changes,
// copies of them go into a session folder of this designer's own in the
// user's recovery folder; the next start offers the copies of any designer
// that did not close normally.
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "core/app/RecoveryCopies.h"

namespace roamplot {

class MainForm;
class Prompter;

inline constexpr const char* RecoverButton = "Recover";
inline constexpr const char* DiscardButton = "Discard";

class CrashRecovery : public QObject {
    Q_OBJECT
  public:
    static constexpr int IntervalMs = 30000;

    // Takes its session in the recovery folder (ROAMPLOT_RECOVERY_FOLDER when
    // set, else the user's application data folder, else beside the settings
    // file); a folder that cannot be written turns recovery off, said once.
    CrashRecovery(MainForm& form, Prompter& prompter);
    // A normal end: the session's copies go.
    ~CrashRecovery() override;

    // Asks about every copy left by a designer that has ended without closing
    // normally; a recovered layout or key map is shown modified under the
    // name of its file. Copies of designers still running are left alone.
    void OfferCopiesOfEndedSessions();
    // Hands what is unsaved now to the writing thread (the timer's work).
    void CopyUnsavedWork();

    QTimer& Timer() { return timer_; }
    // Returns once the copies handed over are written.
    void Flush();
    const QString& Folder() const { return folder_; }
    bool Off() const { return off_; }

  private:
    void TurnOff(const QString& reason);

    MainForm& form_;
    Prompter& prompter_;
    QString folder_;
    QString session_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<RecoveryWriter> writer_;
    QTimer timer_;
    bool off_ = false;
    bool copied_ = false; // copies may be on disk
};

} // namespace roamplot
