#include "support/QtBenchmarks.h"

#include <benchmark/benchmark.h>

#include <QApplication>

namespace roamplot::bench {

int RunWithQt(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace roamplot::bench
