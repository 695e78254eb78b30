// The designer's start-up to its first shown main window, in-process, with a
// full layout remembered; beside it the floor: an empty QMainWindow shown
// under the same platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>

#include "render/PathText.h"
#include "support/DesignerFolder.h"
#include "support/QtBenchmarks.h"
#include "ui/app/MainForm.h"
#include "ui/app/Startup.h"

using namespace roamplot;

namespace {

void StartDesignerOnce(benchmark::State& state, const bench::DesignerFolder& program,
                       bool withLayout) {
    bench::SilentPrompter prompter;
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
    static const bench::DesignerFolder program(true);
    StartDesignerOnce(state, program, true);
}
BENCHMARK(StartWithFullLayout)->Unit(benchmark::kMillisecond);

void StartWithNoLayout(benchmark::State& state) {
    static const bench::DesignerFolder program(false);
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
    return bench::RunWithQt(argc, argv);
}
