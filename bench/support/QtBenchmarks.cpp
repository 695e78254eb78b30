#include "support/QtBenchmarks.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>

namespace roamplot::bench {

int RunWithQt(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The designers a run starts, here or spawned, keep their recovery copies
    // apart from the user's: a copy left by one that was killed would stop
    // every later start with its offer.
    const std::filesystem::path recovery =
        std::filesystem::temp_directory_path() /
        ("roamplot-bench-recovery-" + std::to_string(QCoreApplication::applicationPid()));
    if (qEnvironmentVariableIsEmpty("ROAMPLOT_RECOVERY_FOLDER"))
        qputenv("ROAMPLOT_RECOVERY_FOLDER", QByteArray::fromStdString(recovery.string()));
    {
        QApplication app(argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
    }
    std::error_code ignored;
    std::filesystem::remove_all(recovery, ignored);
    return 0;
}

} // namespace roamplot::bench
