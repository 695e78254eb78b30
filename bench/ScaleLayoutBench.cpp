// Scale Layout To Screen on a full layout (20 pages of 32 boxes): the rule
// alone, and the whole edit with its undo step. Goal: under 5 ms.
#include <benchmark/benchmark.h>

#include "core/designer/LayoutEditor.h"
#include "core/designer/LayoutScaling.h"
#include "support/FullLayout.h"

using namespace roamplot;

namespace {

DeviceScreen Screen(int row, int width = 800, int height = 480) {
    DeviceScreen screen;
    screen.Row = row;
    screen.CustomWidth = width;
    screen.CustomHeight = height;
    return screen;
}

// 240 x 320 to 800 x 480 and back: two scalings per iteration.
void ScaleBoxesThereAndBack(benchmark::State& state) {
    ScreenLayout layout = bench::FullLayout();
    const ScreenSize small = Screen(0).DrawArea(), wide = Screen(CustomDeviceRow).DrawArea();
    for (auto _ : state) {
        ScaleBoxes(layout, small, wide);
        ScaleBoxes(layout, wide, small);
    }
    benchmark::DoNotOptimize(layout.Box(20, 32).Left);
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(ScaleBoxesThereAndBack)->Unit(benchmark::kMicrosecond);

// The edit as the menu runs it: scaled, recorded as one step of 20 pages.
void ScaleLayoutEdit(benchmark::State& state) {
    ScreenLayout layout = bench::FullLayout();
    LayoutEditor editor(layout);
    bool wide = false;
    for (auto _ : state) {
        editor.ScaleLayout(Screen(wide ? CustomDeviceRow : 0), Screen(wide ? 0 : CustomDeviceRow));
        editor.FinishEdit();
        editor.EndBurst();
        wide = !wide;
    }
    if (!editor.History().CanUndo()) state.SkipWithError("no step recorded");
}
BENCHMARK(ScaleLayoutEdit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
