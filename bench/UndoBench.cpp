// Undo and redo on a full layout (20 pages of 32 boxes, 20 symbols): the time
// of one step taken back and forth, and the memory a history of 200 steps
// holds. Goals: under 5 ms a step, under 30 MB for the history.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include "core/designer/LayoutEditor.h"
#include "support/FullLayout.h"

using namespace roamplot;

namespace {

// "Clear Page" of 32 boxes with symbols, undone and redone: two steps per iteration.
void UndoAndRedoClearPage(benchmark::State& state) {
    ScreenLayout layout = bench::FullLayout();
    LayoutEditor editor(layout);
    layout.CurrentPage = 3;
    editor.ClearCurrentPage();
    editor.FinishEdit();
    for (auto _ : state) {
        editor.Undo();
        editor.Redo();
    }
    if (layout.BoxCount(3) != 0) state.SkipWithError("the page was not cleared again");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(UndoAndRedoClearPage)->Unit(benchmark::kMillisecond);

// Each step moves a page, so it keeps four full pages.
void HistoryOf200PageMoves(benchmark::State& state) {
    for (auto _ : state) {
        ScreenLayout layout = bench::FullLayout();
        const std::size_t before = mallinfo2().uordblks;
        {
            LayoutEditor editor(layout);
            for (std::size_t n = 0; n < MaxUndoSteps; ++n) {
                layout.CurrentPage = 1 + static_cast<int>(n % (MaxPages - 1));
                editor.MovePageUp(MaxPages);
                editor.FinishEdit();
            }
            if (editor.History().Size() != MaxUndoSteps) state.SkipWithError("steps lost");
            state.counters["history_MB"] =
                static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        }
    }
}
BENCHMARK(HistoryOf200PageMoves)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
