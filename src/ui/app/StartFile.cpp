// MainForm continued from MainForm.cpp: opening the file named on the command
// line (a double-click in a file manager).
#include <QTabWidget>

#include "core/keymap/KeyFileReader.h"
#include "ui/app/MainForm.h"
#include "ui/keymap/KeyMapTab.h"

namespace roamplot {

void MainForm::OpenAtStart(const std::filesystem::path& file) {
    if (KeyFileGrammarOf(file) != KeyFileGrammar::None) {
        LoadRememberedParameterFile();
        tabs_->setCurrentIndex(KeyTabIndex);
        const QString error = keyMapTab_->ReadKeyFile(file);
        if (!error.isEmpty()) AddStartupProblem(error);
        return;
    }
    const ParameterFileOutcome outcome = ReadParameterFile(file);
    if (outcome.Loaded) {
        SetParameterFileName(file);
        RememberRecentFile(file);
    } else {
        // What shows is not the remembered file: a save must not go there.
        SetParameterFileName({});
    }
    for (const QString& text : {outcome.Error, outcome.Message})
        if (!text.isEmpty()) AddStartupProblem(text);
}

} // namespace roamplot
