// Composing a full page: 32 boxes of mixed kinds, special drawings included,
// on a 480 x 272 screen.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include "core/app/DeviceScreen.h"
#include "core/designer/BoxFindings.h"
#include "render/DibImage.h"
#include "render/DrawBox.h"
#include "render/PageCompositor.h"
#include "render/artwork/PreviewPictures.h"

using namespace roamplot;

namespace {

ScreenLayout FullPage() {
    ScreenLayout layout;
    const char* specials[] = {"150", "151", "163", "168", "169", "170", "172", "173", "174", "360"};
    QImage symbolImage(16, 16, QImage::Format_RGB32);
    symbolImage.fill(QColor(20, 90, 200));
    symbolImage.setPixel(0, 0, qRgb(255, 0, 255));
    const Dib symbol = DibFromQImage(symbolImage);
    for (int slot = 1; slot <= SlotsPerPage; ++slot) {
        ParameterBox& box = layout.Box(1, slot);
        const int i = slot - 1;
        box.PageNo = 1;
        box.Left = (i % 8) * 60;
        box.Top = (i / 8) * 58;
        box.Width = 60;
        box.Height = 58;
        box.TitleText = "Title";
        box.TestText = "37.4";
        box.Units = "kph";
        box.ParameterId = std::to_string(slot);
        box.TextBackStyle = i % 4;
        box.TitleBackStyle = (i / 4) % 4;
        if (i < 10) {
            box.Kind = specials[i][0] == '3' ? BoxKind::NavParameter : BoxKind::MultiParameter;
            box.ParameterId = specials[i];
        } else if (i < 14) {
            box.Kind = BoxKind::Button;
            box.Symbol = symbol;
            box.SymbolPlacement = i - 10 + 1;
        } else if (i < 16) {
            box.Kind = BoxKind::Background;
            box.Symbol = symbol;
            box.SymbolPlacement = 3;
        } else if (i < 18) {
            box.Kind = BoxKind::Text;
        } else if (i == 18) {
            box.Kind = BoxKind::Map;
        } else {
            box.Kind = BoxKind::SingleParameter;
        }
        box.Selected = i == 20 ? 1 : 0;
    }
    return layout;
}

// The page on a screen of the benchmark's width and height, to show how the
// cost grows with the screen. With findings the composition also collects
// the texts too wide for their box and the boxes outside, as the preview does.
void ComposeFullPage(benchmark::State& state, bool withFindings) {
    ScreenLayout layout = FullPage();
    // Some texts too wide for their box, so the findings are not all empty.
    for (int slot = 21; slot <= 24; ++slot) {
        layout.Box(1, slot).TextFontSize = 16;
        layout.Box(1, slot).TitleText = "A title far too wide";
    }
    RenderContext context;
    DeviceScreen screen;
    screen.Row = CustomDeviceRow;
    screen.CustomWidth = static_cast<int>(state.range(0));
    screen.CustomHeight = static_cast<int>(state.range(1));
    context.DrawArea = screen.DrawArea();
    // Drawn once per process, not per page.
    SampleMap({SampleMapSide, SampleMapSide});
    SkyViewBackground();
    for (auto _ : state) {
        if (withFindings) {
            std::vector<BoxFinding> findings = OutsideFindings(layout, 1, context.DrawArea);
            QImage page = ComposePage(layout, 1, context, &findings);
            SortFindings(findings);
            benchmark::DoNotOptimize(page.constBits());
            benchmark::DoNotOptimize(findings.data());
        } else {
            QImage page = ComposePage(layout, 1, context);
            benchmark::DoNotOptimize(page.constBits());
        }
    }
}
// The screens of the handhelds, each timed ten times.
void OnEveryScreen(benchmark::internal::Benchmark* bench) {
    bench->Args({240, 320})
        ->Args({480, 272})
        ->Args({800, 480})
        ->Args({1024, 768})
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(10)
        ->ReportAggregatesOnly(true);
}
BENCHMARK_CAPTURE(ComposeFullPage, plain, false)->Apply(OnEveryScreen);
BENCHMARK_CAPTURE(ComposeFullPage, with_findings, true)->Apply(OnEveryScreen);

// One box of each kind of the full page, alone on the 480 x 272 screen.
void DrawOneBox(benchmark::State& state, int slot) {
    const ScreenLayout layout = FullPage();
    RenderContext context;
    DeviceScreen screen;
    screen.Row = CustomDeviceRow;
    screen.CustomWidth = 480;
    screen.CustomHeight = 272;
    context.DrawArea = screen.DrawArea();
    SampleMap({SampleMapSide, SampleMapSide});
    SkyViewBackground();
    QImage page(context.DrawArea.Width, context.DrawArea.Height, QImage::Format_RGB32);
    for (auto _ : state) {
        DrawBox(page, layout.Box(1, slot), 1, context);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK_CAPTURE(DrawOneBox, compass, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, navigation, 10)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, button_with_symbol, 11)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, background_symbol, 15)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, text, 17)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, map, 19)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DrawOneBox, single_value, 21)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
