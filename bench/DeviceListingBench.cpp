// Listing a device folder of 10,000 files through the folder device, as the
// file list does: connect, find, sort, disconnect.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "core/device/DeviceChoice.h"
#include "core/device/DeviceTransfer.h"

using namespace roamplot;
namespace fs = std::filesystem;

namespace {

struct DeviceFolder {
    fs::path Mount = fs::temp_directory_path() / "roamplot-listing-bench";

    DeviceFolder() {
        const fs::path folder = Mount / "Roamplot 2";
        fs::create_directories(folder);
        for (int i = 0; i < 10000; ++i)
            std::ofstream(folder / ("Route " + std::to_string(i) + (i % 2 ? ".PAR1" : ".key2")));
    }
    ~DeviceFolder() { fs::remove_all(Mount); }
};

void ListTenThousandFiles(benchmark::State& state) {
    static DeviceFolder device;
    DeviceLink link(ChooseRemoteApi(device.Mount), SystemDeviceLinkHooks());
    for (auto _ : state) {
        const std::vector<std::string> names =
            ListDeviceFolder(link, "\\Roamplot 2", FileListMode::Parameters);
        if (names.size() != 5000) state.SkipWithError("listing incomplete");
    }
}
BENCHMARK(ListTenThousandFiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
