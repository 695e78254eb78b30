#include <memory>

#include "FuzzInput.h"
#include "core/keymap/CommandCatalogue.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    auto catalogue = std::make_unique<CommandCatalogue>();
    (void)catalogue->Load(fuzz::Text(data, size));
    (void)catalogue->FindCommandIndex(5);
    return 0;
}
