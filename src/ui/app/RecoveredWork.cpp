// MainForm continued from MainForm.cpp: taking in the recovery copies of a
// designer that did not close normally.
#include "ui/app/MainForm.h"
#include "ui/app/Prompter.h"
#include "ui/keymap/KeyMapTab.h"

namespace roamplot {

void MainForm::TakeRecoveredLayout(const std::filesystem::path& copy,
                                   const std::filesystem::path& name) {
    const ParameterFileOutcome outcome = ReadParameterFile(copy);
    if (!outcome.Error.isEmpty()) prompter_.ShowError(outcome.Error);
    if (!outcome.Message.isEmpty()) prompter_.ShowMessage(outcome.Message);
    // A copy that did not load left the layout as it was.
    if (!outcome.Loaded && !layout_.Modified) return;
    // Unsaved changes of that file: "Save" writes them where they belong.
    editor_.ResetHistory(false);
    SetParameterFileName(name);
}

void MainForm::TakeRecoveredKeys(const std::filesystem::path& copy,
                                 const std::filesystem::path& name) {
    const QString error = keyMapTab_->ReadKeyFile(copy);
    if (!error.isEmpty()) prompter_.ShowError(error);
    keyMapTab_->SetKeyFileName(name);
    keyMap_.Changed = true;
    UpdateCaption();
}

} // namespace roamplot
