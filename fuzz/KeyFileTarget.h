#pragma once
// Both key file readers run the same way. The key map lives on the heap:
// clang 14 miscompiles some KeyMap locals under these sanitizers.
#include <memory>

#include "FuzzInput.h"
#include "core/keymap/KeyFileReader.h"
#include "core/model/FieldFunctions.h"

namespace roamplot::fuzz {

template <typename Reader>
int RunKeyFileReader(Reader read, const uint8_t* data, std::size_t size) {
    static const CommandCatalogue catalogue = [] {
        CommandCatalogue c;
        c.Load(Shipped("commands.dat"));
        return c;
    }();
    auto map = std::make_unique<KeyMap>();
    try {
        read(Text(data, size), catalogue, *map);
    } catch (const ConversionError&) {
        // The one failure the grammar has: a command that is not a number.
    }
    return 0;
}

} // namespace roamplot::fuzz
