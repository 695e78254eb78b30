// The .key2 reader.
#include "KeyFileTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return roamplot::fuzz::RunKeyFileReader(roamplot::MergeKeyFile2, data, size);
}
