// The designer's start-up to its first shown main window, in-process, with a
// full layout remembered; beside it the floor: an empty QMainWindow shown
// under the same platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <filesystem>
#include <fstream>

#include "core/model/ParameterCatalogue.h"
#include "core/model/ParameterFileWriter.h"
#include "render/PageThumbnail.h"
#include "render/PathText.h"
#include "render/RenderContext.h"
#include "support/FullLayout.h"
#include "ui/app/MainForm.h"
#include "ui/app/Prompter.h"
#include "ui/app/Startup.h"

using namespace roamplot;
namespace fs = std::filesystem;

namespace {

// Start-up asks nothing of a user when every file is in place.
class SilentPrompter : public Prompter {
  public:
    void ShowMessage(const QString&) override {}
    bool Confirm(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
    QString AskOpenFileName(const FileDialogRequest&) override { return {}; }
    QString AskSaveFileName(const FileDialogRequest&) override { return {}; }
    QString AskFolder(const QString&, const QString&) override { return {}; }
    void ShowTimedMessage(TimedMessageKind, int, const QString&) override {}
    bool OpenHelp(const QString&) override { return true; }
    void ShowError(const QString&) override {}
    void RunDialog(QDialog&) override {}
};

// A program folder with the catalogues and, when asked, a settings file naming a full layout.
struct ProgramFolder {
    fs::path Folder;

    explicit ProgramFolder(bool rememberLayout)
        : Folder(fs::temp_directory_path() /
                 (rememberLayout ? "roamplot-startup-bench" : "roamplot-startup-bench-empty")) {
        fs::create_directories(Folder);
        for (const char* catalogue : {"Parameters.dat", "commands.dat"})
            fs::copy_file(bench::ProgramFolder() / catalogue, Folder / catalogue,
                          fs::copy_options::overwrite_existing);
        if (!rememberLayout) return;
        ParameterCatalogue catalogue;
        catalogue.LoadFile((Folder / "Parameters.dat").string());
        DesignerSettings settings;
        const fs::path layout = Folder / "full.par1";
        WriteParameterFile(bench::FullLayout(), settings.Screen, layout.string(),
                           MakeThumbnailRenderer(MakeRenderContext(catalogue, settings)));
        std::ofstream(Folder / SettingsFileName, std::ios::binary)
            << "[Parameters]\r\nFilename=" << layout.string() << "\r\n";
    }
    ~ProgramFolder() { fs::remove_all(Folder); }
};

void StartDesignerOnce(benchmark::State& state, const ProgramFolder& program, bool withLayout) {
    SilentPrompter prompter;
    for (auto _ : state) {
        std::unique_ptr<MainForm> form = StartDesigner(QStringFromPath(program.Folder), prompter);
        QApplication::processEvents();
        if (!form || (form->Layout().BoxCount(1) > 0) != withLayout)
            state.SkipWithError("not started as set up");
        state.PauseTiming();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void StartWithFullLayout(benchmark::State& state) {
    static const ProgramFolder program(true);
    StartDesignerOnce(state, program, true);
}
BENCHMARK(StartWithFullLayout)->Unit(benchmark::kMillisecond);

void StartWithNoLayout(benchmark::State& state) {
    static const ProgramFolder program(false);
    StartDesignerOnce(state, program, false);
}
BENCHMARK(StartWithNoLayout)->Unit(benchmark::kMillisecond);

void EmptyMainWindowFloor(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(EmptyMainWindowFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
