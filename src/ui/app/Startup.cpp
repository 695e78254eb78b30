#include "ui/app/Startup.h"

#include <QFileInfo>

#include "ui/app/CrashRecovery.h"
#include "ui/app/SplashWindow.h"
#include "ui/preview/PreviewWindow.h"

namespace roamplot {

std::unique_ptr<MainForm> StartDesigner(const QString& programFolder, Prompter& prompter,
                                        const std::filesystem::path& openAtStart) {
    if (!QFileInfo::exists(programFolder + "/Parameters.dat") ||
        !QFileInfo::exists(programFolder + "/commands.dat")) {
        prompter.ShowMessage(MissingFilesMessage);
        return nullptr;
    }
    auto form = std::make_unique<MainForm>(programFolder, prompter);
    form->CreatePreview();
    auto* recovery = new CrashRecovery(*form, prompter);

    SplashWindow splash;
    splash.ShowCentred();
    if (openAtStart.empty())
        form->LoadRememberedParameterFile();
    else
        form->OpenAtStart(openAtStart);
    recovery->OfferCopiesOfEndedSessions();
    splash.hide();

    form->show();
    form->Preview()->show();
    form->PlacePreview();
    for (const QString& problem : form->StartupProblems()) prompter.ShowMessage(problem);
    return form;
}

} // namespace roamplot
