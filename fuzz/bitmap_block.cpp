// The decoder of the hexadecimal bitmap blocks, on the input's lines.
#include <vector>

#include "FuzzInput.h"
#include "core/model/DibHex.h"

using namespace roamplot;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    DibHexResult result = DibFromHexLines(lines);
    if (result.Picture) (void)DibToBytes(*result.Picture);
    return 0;
}
