// Start-up as a user sees it: from the program spawned to its main window
// mapped, on an X server with a window manager. The designer starts from a
// folder of its own with the full layout remembered, or with none; the floor
// is the emptiest Qt program with a main window, built with the same Qt and
// started the same way.
#include <benchmark/benchmark.h>

#include <optional>
#include <set>

#include "process/ProgramOnDisplay.h"
#include "support/FullLayout.h"
#include "support/QtBenchmarks.h"

using namespace roamplot;
using namespace std::chrono_literals;

namespace {

// Spawns the program, waits for its main window and closes it: the time to
// the window, or nothing when none came.
std::optional<double> StartAndClose(const std::filesystem::path& program) {
    bench::VirtualDisplay& display = bench::SharedDisplay();
    bench::ChildProcess process({program.string()}, bench::DesktopEnvironment());
    const auto mapped = display.WaitForMainWindow(process, 60s);
    if (!mapped) return std::nullopt;
    display.Close(mapped->Window);
    if (!process.WaitForExit(20s)) return std::nullopt;
    return std::chrono::duration<double>(mapped->At - process.Started()).count();
}

// The first start of a program is not measured: it places its windows for
// the first time and finds its files cold.
void TimeStartUps(benchmark::State& state, const std::filesystem::path& program) {
    static std::set<std::filesystem::path> started;
    if (started.insert(program).second) StartAndClose(program);
    for (auto _ : state) {
        const std::optional<double> seconds = StartAndClose(program);
        if (!seconds) {
            state.SkipWithError("no main window was mapped, or it did not close");
            break;
        }
        state.SetIterationTime(*seconds);
    }
}

void StartWithFullLayout(benchmark::State& state) {
    static const bench::InstalledFolder folder("roamplot-designer", true);
    TimeStartUps(state, folder.Program);
}

void StartWithNoLayout(benchmark::State& state) {
    static const bench::InstalledFolder folder("roamplot-designer", false);
    TimeStartUps(state, folder.Program);
}

void EmptyMainWindowFloor(benchmark::State& state) {
    TimeStartUps(state, bench::ProgramFolder() / "EmptyWindowFloor");
}

void AsStarted(benchmark::internal::Benchmark* bench) {
    bench->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
}
BENCHMARK(EmptyMainWindowFloor)->Apply(AsStarted);
BENCHMARK(StartWithFullLayout)->Apply(AsStarted);
BENCHMARK(StartWithNoLayout)->Apply(AsStarted);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
