#pragma once
// Everything a person answers goes through this interface: the program uses
// the real dialogs, tests a scripted one that records every text and answers
// from a queue, so no test ever blocks on a modal window.
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

namespace roamplot {

enum class TimedMessageKind { Error = 0, Information = 1, Warning = 2 };

// The answers to a question about unsaved changes.
enum class UnsavedChoice { Discard, Save, Cancel };

struct FileDialogRequest {
    QString Title;
    QString Filter;           // "Parameter Files (*.par1)|*.par1" style pairs joined by ";;"
    QString DefaultExtension; // without the dot
    QString InitialFile;      // a full path or a bare name
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    // A plain message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // A confirmation with OK and Cancel; true for OK.
    virtual bool Confirm(const QString& text) = 0;
    // A question about unsaved changes with OK (go on without them), Save and Cancel.
    virtual UnsavedChoice AskUnsaved(const QString& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    // A question answered with one of two named buttons; true for the first.
    virtual bool ChooseBetween(const QString& text, const QString& first, const QString& second) {
        (void)first;
        (void)second;
        return AskYesNo(text);
    }
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString AskOpenFileName(const FileDialogRequest& request) = 0;
    virtual QString AskSaveFileName(const FileDialogRequest& request) = 0;
    // The chosen folder, or an empty text when the user cancelled.
    virtual QString AskFolder(const QString& title, const QString& initialFolder) = 0;
    // A message that closes itself after the duration (0 means 2000 ms).
    virtual void ShowTimedMessage(TimedMessageKind kind, int durationMs, const QString& text) = 0;
    // Opens a help document (a file path, with an optional "#topic" or "::/topic"
    // part); false when no viewer took it.
    virtual bool OpenHelp(const QString& document) = 0;
    // The general error handler's report of a failure the program did not expect.
    virtual void ShowError(const QString& text) = 0;
    // Shows one of the program's own dialogs (the device file list) modally until it is done.
    virtual void RunDialog(QDialog& dialog) = 0;
};

// Asks the question about unsaved changes and tells whether to go on: after
// OK, or after Save when `save` saved them (it returns false when the user
// cancelled the save or it failed).
inline bool GoOnPastUnsaved(Prompter& prompter, const QString& question,
                            const std::function<bool()>& save) {
    switch (prompter.AskUnsaved(question)) {
    case UnsavedChoice::Discard:
        return true;
    case UnsavedChoice::Save:
        return save();
    case UnsavedChoice::Cancel:
        break;
    }
    return false;
}

} // namespace roamplot
