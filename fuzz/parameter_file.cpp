// The parameter file reader, both versions, on bytes in memory. Symbol files
// named by path are not opened: a fuzzer must not wander the disk.
#include <memory>

#include "FuzzInput.h"
#include "core/model/ParameterFileReader.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const ParameterCatalogue catalogue = [] {
        ParameterCatalogue c;
        c.Load(fuzz::Shipped("Parameters.dat"));
        return c;
    }();
    auto layout = std::make_unique<ScreenLayout>();
    auto settings = std::make_unique<DesignerSettings>();
    ParameterFileLoadReport report =
        LoadParameterBytes(*layout, *settings, catalogue, fuzz::Text(data, size),
                           [](const std::filesystem::path&) { return SymbolFileResult{}; });
    (void)report.Findings();
    return 0;
}
