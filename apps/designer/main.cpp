// The screen designer: everything it needs lies beside it. It reads one
// argument, a file to open (a double-click in a file manager).
#include <QDir>
#include <filesystem>

#include "render/PathText.h"
#include "ui/app/CommandGuard.h"
#include "ui/app/QtPrompter.h"
#include "ui/app/Startup.h"

namespace {

// The first argument Qt left, as an absolute path so that it is remembered as one.
std::filesystem::path FileArgument(int argc, char** argv) {
    if (argc < 2) return {};
#ifdef _WIN32
    // The narrow arguments hold only the ANSI code page; Qt kept the real names.
    (void)argv;
    const std::filesystem::path named = roamplot::PathFromQString(QApplication::arguments().at(1));
#else
    const std::filesystem::path named(argv[1]);
#endif
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(named, error);
    return error ? named : absolute;
}

} // namespace

int main(int argc, char** argv) {
    roamplot::DesignerApplication app(argc, argv);
    QApplication::setApplicationName(roamplot::ProgramTitle);
    roamplot::QtPrompter prompter;
    app.SetPrompter(&prompter);
    // With the system's separators: the folder shows in messages about its files.
    auto form = roamplot::StartDesigner(
        QDir::toNativeSeparators(QDir(QApplication::applicationDirPath()).absolutePath()), prompter,
        FileArgument(argc, argv));
    if (!form) return 1;
    prompter.SetParentWindow(form.get());
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
