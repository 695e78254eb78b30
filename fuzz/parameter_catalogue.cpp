#include <memory>

#include "FuzzInput.h"
#include "core/model/ParameterCatalogue.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    auto catalogue = std::make_unique<ParameterCatalogue>();
    (void)catalogue->Load(fuzz::Text(data, size));
    (void)catalogue->NameOf("12");
    return 0;
}
