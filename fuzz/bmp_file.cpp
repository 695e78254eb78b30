// The .bmp reader, and the writer on what it accepted.
#include "FuzzInput.h"
#include "core/model/DibFile.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    DibReadResult result = ReadDibFromBmp(fuzz::Text(data, size));
    if (result.Picture) {
        (void)DibPixel(*result.Picture, result.Picture->Width() - 1, 0);
        (void)DibToBmp(*result.Picture);
    }
    return 0;
}
