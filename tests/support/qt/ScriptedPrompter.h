#pragma once
// A prompter for tests: records every text shown and answers from queues.
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/app/Prompter.h"

namespace roamplot::test {

class ScriptedPrompter : public Prompter {
  public:
    // Everything shown, in order, each prefixed with its kind:
    // "message: ", "confirm: ", "yesno: ", "choose: " (the question, then " [first/second]"),
    // "open: ", "save: ", "folder: ", "timed: ", "help: ", "error: ", "dialog: " (with the dialog's
    // caption).
    QStringList Shown;
    std::deque<bool> ConfirmAnswers; // every question; an empty queue answers OK, Yes or the first
    // The questions about unsaved changes; without these they take ConfirmAnswers (OK or Cancel).
    std::deque<UnsavedChoice> UnsavedAnswers;
    std::deque<QString> FileAnswers; // an empty queue answers Cancel
    QList<FileDialogRequest> FileRequests;
    // Each answer acts on the dialog as a user would (types, clicks); a dialog
    // the answer leaves open, or one met by an empty queue, is closed by its title bar.
    std::deque<std::function<void(QDialog&)>> DialogAnswers;

    void ShowMessage(const QString& text) override { Shown << "message: " + text; }
    bool Confirm(const QString& text) override;
    UnsavedChoice AskUnsaved(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool ChooseBetween(const QString& text, const QString& first, const QString& second) override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;
    // Answers from FileAnswers too.
    QString AskFolder(const QString& title, const QString& initialFolder) override;
    void ShowTimedMessage(TimedMessageKind kind, int durationMs, const QString& text) override;
    bool HelpOpens = true; // whether a viewer takes the guide
    bool OpenHelp(const QString& document) override {
        Shown << "help: " + document;
        return HelpOpens;
    }
    void ShowError(const QString& text) override { Shown << "error: " + text; }
    void RunDialog(QDialog& dialog) override;

    // The texts of one kind, without their prefix.
    QStringList Of(const QString& kind) const;
};

} // namespace roamplot::test
