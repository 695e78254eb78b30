// roamplot-cli resave of the full layout as a process, started from a
// desktop's shell (a display at hand, no platform named), against the floor
// process that only reads the file, decodes its blocks and writes it back,
// and beside it a process that only loads the Qt GUI library.
#include <benchmark/benchmark.h>

#include "process/ProgramOnDisplay.h"
#include "support/FullLayout.h"
#include "support/QtBenchmarks.h"

using namespace roamplot;

namespace {

const bench::DesignerFolder& Layout() {
    static const bench::DesignerFolder folder(true);
    return folder;
}

void TimeRuns(benchmark::State& state, const std::vector<std::string>& arguments) {
    const std::vector<std::string> environment = bench::DesktopEnvironment();
    for (auto _ : state) {
        bench::ChildProcess process(arguments, environment);
        if (process.Wait() != 0) state.SkipWithError("the program failed");
        state.SetIterationTime(
            std::chrono::duration<double>(bench::Clock::now() - process.Started()).count());
    }
}

void ResaveFullLayout(benchmark::State& state) {
    const std::filesystem::path folder = Layout().Folder;
    TimeRuns(state, {(bench::ProgramFolder() / "roamplot-cli").string(), "--program-folder",
                     folder.string(), "resave", (folder / "full.par1").string(),
                     (folder / "out.par1").string()});
}
BENCHMARK(ResaveFullLayout)->UseManualTime()->Unit(benchmark::kMillisecond);

void ResaveFloor(benchmark::State& state) {
    const std::filesystem::path folder = Layout().Folder;
    TimeRuns(state, {(bench::ProgramFolder() / "ResaveFloor").string(),
                     (folder / "full.par1").string(), (folder / "out.par1").string()});
}
BENCHMARK(ResaveFloor)->UseManualTime()->Unit(benchmark::kMillisecond);

// A process that only loads the Qt GUI library, as the tool must to draw the thumbnails' text.
void QtLinkedFloor(benchmark::State& state) {
    TimeRuns(state, {(bench::ProgramFolder() / "QtLinkedFloor").string()});
}
BENCHMARK(QtLinkedFloor)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
