// The floor of resaving a parameter file as a process: the file read, its
// hexadecimal blocks decoded and encoded again, the file written beside its
// destination and moved there. No catalogue, no layout, no thumbnails.
#include <filesystem>
#include <string>

#include "core/io/FileIo.h"
#include "floor/HexBlocks.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::optional<std::string> bytes = roamplot::ReadFileBytes(argv[1]);
    if (!bytes) return 1;
    std::string rewritten;
    rewritten.reserve(bytes->size());
    roamplot::bench::DecodeHexBlocks(*bytes, &rewritten);
    return roamplot::WriteFileAtomically(argv[2], rewritten).empty() ? 0 : 1;
}
