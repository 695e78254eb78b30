#pragma once
// The least any reader of a parameter file does: its hexadecimal blocks
// decoded; and the least any writer adds: the file written back with them
// encoded again.
#include <cstddef>
#include <string>
#include <string_view>

namespace roamplot::bench {

// The number of pictures decoded. With a text to fill, the file's lines go
// into it with every block encoded again from its picture.
std::size_t DecodeHexBlocks(std::string_view bytes, std::string* rewritten = nullptr);

} // namespace roamplot::bench
