// Loading and saving a full layout: 20 pages of 32 boxes of mixed kinds, 20
// distinct 50 x 60 symbols, thumbnails included. Report medians with
// --benchmark_repetitions=10 --benchmark_report_aggregates_only=true.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>

#include "core/app/DesignerSettings.h"
#include "core/io/FileIo.h"
#include "core/model/ParameterFileReader.h"
#include "core/model/ParameterFileWriter.h"
#include "floor/HexBlocks.h"
#include "render/PageThumbnail.h"
#include "render/RenderContext.h"
#include "support/FullLayout.h"

using namespace roamplot;

namespace {

struct Fixture {
    ParameterCatalogue Catalogue;
    DesignerSettings Settings;
    ScreenLayout Layout = bench::FullLayout();
    std::string File = (std::filesystem::temp_directory_path() / "roamplot-bench.par1").string();

    Fixture() { Catalogue.LoadFile((bench::ProgramFolder() / "Parameters.dat").string()); }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void SaveFullLayout(benchmark::State& state) {
    Fixture& f = Shared();
    const ThumbnailRenderer thumbnails =
        MakeThumbnailRenderer(MakeRenderContext(f.Catalogue, f.Settings));
    for (auto _ : state) {
        ParameterFileWriteResult result =
            WriteParameterFile(f.Layout, f.Settings.Screen, f.File, thumbnails);
        if (!result.Ok()) state.SkipWithError(result.Error.c_str());
    }
}
BENCHMARK(SaveFullLayout)->Unit(benchmark::kMillisecond);

void LoadFullLayout(benchmark::State& state) {
    Fixture& f = Shared();
    WriteParameterFile(f.Layout, f.Settings.Screen, f.File,
                       MakeThumbnailRenderer(MakeRenderContext(f.Catalogue, f.Settings)));
    for (auto _ : state) {
        ScreenLayout layout;
        DesignerSettings settings;
        ParameterFileLoadReport report =
            LoadParameterFile(layout, settings, f.Catalogue, f.File, nullptr);
        benchmark::DoNotOptimize(report);
        if (layout.BoxCount(MaxPages) != SlotsPerPage) state.SkipWithError("layout not loaded");
    }
}
BENCHMARK(LoadFullLayout)->Unit(benchmark::kMillisecond);

// The floor of any reader of the same file: its bytes read and its
// hexadecimal blocks decoded, nothing else.
void ReadAndDecodeFloor(benchmark::State& state) {
    Fixture& f = Shared();
    WriteParameterFile(f.Layout, f.Settings.Screen, f.File,
                       MakeThumbnailRenderer(MakeRenderContext(f.Catalogue, f.Settings)));
    for (auto _ : state) {
        const std::string bytes = ReadFileBytes(f.File).value_or("");
        benchmark::DoNotOptimize(bench::DecodeHexBlocks(bytes));
    }
}
BENCHMARK(ReadAndDecodeFloor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // text drawing needs it
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::remove(Shared().File);
    benchmark::Shutdown();
    return 0;
}
