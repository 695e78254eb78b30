#pragma once
// What every target shares: the input as text, and the shipped catalogues
// the readers look names up in.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/io/FileIo.h"

namespace roamplot::fuzz {

inline std::string_view Text(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline std::string Shipped(const char* name) {
    return ReadFileBytes(std::string(SHIPPED_DATA_DIR) + "/" + name).value_or("");
}

} // namespace roamplot::fuzz
