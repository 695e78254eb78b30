#pragma once
// A program folder for starting the designer in a benchmark, and a prompter
// that answers nothing: start-up asks no one when every file is in place.
#include <filesystem>

#include "ui/app/Prompter.h"

namespace roamplot::bench {

class SilentPrompter : public Prompter {
  public:
    void ShowMessage(const QString&) override {}
    bool Confirm(const QString&) override { return false; }
    UnsavedChoice AskUnsaved(const QString&) override { return UnsavedChoice::Cancel; }
    bool AskYesNo(const QString&) override { return false; }
    QString AskOpenFileName(const FileDialogRequest&) override { return {}; }
    QString AskSaveFileName(const FileDialogRequest&) override { return {}; }
    QString AskFolder(const QString&, const QString&) override { return {}; }
    void ShowTimedMessage(TimedMessageKind, int, const QString&) override {}
    bool OpenHelp(const QString&) override { return true; }
    void ShowError(const QString&) override {}
    void RunDialog(QDialog&) override {}
};

// The catalogues and, when asked, a settings file naming a full layout and
// choosing a device screen row.
struct DesignerFolder {
    std::filesystem::path Folder;

    explicit DesignerFolder(bool rememberLayout, int deviceRow = 0);
    ~DesignerFolder();
    DesignerFolder(const DesignerFolder&) = delete;
    DesignerFolder& operator=(const DesignerFolder&) = delete;
};

} // namespace roamplot::bench
