// Export Pages on a full layout (20 pages of 32 boxes): every page composed,
// enlarged twice and written as PNG, then the contact sheet. Goal: under 1 s.
#include <benchmark/benchmark.h>

#include "core/app/DesignerSettings.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterCatalogue.h"
#include "render/PageExport.h"
#include "render/RenderContext.h"
#include "support/FullLayout.h"
#include "support/QtBenchmarks.h"

using namespace roamplot;

namespace {

void ExportTwentyPagesAtZoom2(benchmark::State& state) {
    const ScreenLayout layout = bench::FullLayout();
    ParameterCatalogue catalogue;
    if (auto bytes = ReadFileBytes(bench::ProgramFolder() / "Parameters.dat"))
        catalogue.Load(*bytes);
    const RenderContext context = MakeRenderContext(catalogue, DesignerSettings{});
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "roamplot-export-bench";
    for (auto _ : state) {
        const PageExportResult result =
            ExportPages(layout, context, 2, folder, folder / "contact-sheet.png");
        if (!result.Ok() || result.Written != MaxPages) state.SkipWithError("pages not written");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(ExportTwentyPagesAtZoom2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::RunWithQt(argc, argv);
}
