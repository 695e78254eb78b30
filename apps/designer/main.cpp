// The screen designer: reads no arguments; everything it needs lies beside it.
#include <QDir>

#include "ui/app/CommandGuard.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/Startup.h"

int main(int argc, char** argv) {
    roamplot::DesignerApplication app(argc, argv);
    QApplication::setApplicationName(roamplot::ProgramTitle);
    roamplot::QtPrompter prompter;
    app.SetPrompter(&prompter);
    // With the system's separators: the folder shows in messages about its files.
    auto form = roamplot::StartDesigner(
        QDir::toNativeSeparators(QDir(QApplication::applicationDirPath()).absolutePath()),
        prompter);
    if (!form) return 1;
    prompter.SetParentWindow(form.get());
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
