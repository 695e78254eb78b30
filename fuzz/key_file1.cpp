// The .key1 reader.
#include "KeyFileTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return roamplot::fuzz::RunKeyFileReader(roamplot::MergeKeyFile1, data, size);
}
