// Recovery copies of a full layout (20 pages of 32 boxes, 20 symbols) and a
// full key map: the time the interface thread spends per recovery write (the
// copy it hands to the writing thread; goal under 2 ms), and beside it the
// whole write, which runs on the writing thread.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "render/PathText.h"
#include "support/DesignerFolder.h"
#include "support/FullLayout.h"
#include "support/QtBenchmarks.h"
#include "ui/app/CrashRecovery.h"
#include "ui/app/MainForm.h"
#include "ui/app/Prompter.h"
#include "ui/app/Startup.h"

using namespace roamplot;
namespace fs = std::filesystem;

namespace {

// A started designer whose full layout and key map both have unsaved changes.
struct EditedDesigner {
    QTemporaryDir program;
    QTemporaryDir recovery;
    bench::SilentPrompter prompter;
    std::unique_ptr<MainForm> form;

    EditedDesigner() {
        qputenv("ROAMPLOT_RECOVERY_FOLDER", recovery.path().toUtf8());
        const fs::path folder = PathFromQString(program.path());
        for (const char* catalogue : {"Parameters.dat", "commands.dat"})
            fs::copy_file(bench::ProgramFolder() / catalogue, folder / catalogue);
        form = StartDesigner(program.path(), prompter);
        form->Editor().Load([](ScreenLayout& layout) {
            layout = bench::FullLayout();
            return 0;
        });
        form->Editor().SetPageName("Edited");
        for (int& key : form->Keys().HardwareKeys) key = 2;
        form->Keys().Changed = true;
    }
    CrashRecovery& Recovery() { return *form->findChild<CrashRecovery*>(); }
};

void RecoveryCopyOnInterfaceThread(benchmark::State& state) {
    EditedDesigner designer;
    if (designer.form->Layout().BoxCount(1) != SlotsPerPage) state.SkipWithError("no full layout");
    for (auto _ : state) {
        designer.Recovery().CopyUnsavedWork();
        state.PauseTiming();
        designer.Recovery().Flush();
        state.ResumeTiming();
    }
}
BENCHMARK(RecoveryCopyOnInterfaceThread)->Unit(benchmark::kMillisecond);

// Composing both files and writing them, as the writing thread does, once more each time.
void RecoveryWriteWhole(benchmark::State& state) {
    EditedDesigner designer;
    int name = 0;
    for (auto _ : state) {
        designer.form->Editor().SetPageName("Edited " + std::to_string(++name));
        designer.Recovery().CopyUnsavedWork();
        designer.Recovery().Flush();
    }
}
BENCHMARK(RecoveryWriteWhole)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
