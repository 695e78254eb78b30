#pragma once
// The prompter of the running program: the real dialogs.
#include "ui/app/Prompter.h"

class QWidget;

namespace roamplot {

class QtPrompter : public Prompter {
  public:
    void SetParentWindow(QWidget* window) { parent_ = window; }

    void ShowMessage(const QString& text) override;
    bool Confirm(const QString& text) override;
    UnsavedChoice AskUnsaved(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool ChooseBetween(const QString& text, const QString& first, const QString& second) override;
    QString AskOpenFileName(const FileDialogRequest& request) override;
    QString AskSaveFileName(const FileDialogRequest& request) override;
    QString AskFolder(const QString& title, const QString& initialFolder) override;
    void ShowTimedMessage(TimedMessageKind kind, int durationMs, const QString& text) override;
    bool OpenHelp(const QString& document) override;
    void ShowError(const QString& text) override;
    void RunDialog(QDialog& dialog) override;

  private:
    QWidget* parent_ = nullptr;
};

} // namespace roamplot
