#include "floor/HexBlocks.h"

#include <vector>

#include "core/model/DibHex.h"

namespace roamplot::bench {

std::size_t DecodeHexBlocks(std::string_view bytes, std::string* rewritten) {
    std::vector<std::string_view> block;
    bool inBlock = false;
    std::size_t pictures = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find("\r\n", at);
        if (end == std::string_view::npos) end = bytes.size();
        const std::string_view line = bytes.substr(at, end - at);
        at = end + 2;
        if (inBlock && line != "END") {
            block.push_back(line);
            continue;
        }
        if (inBlock) {
            inBlock = false;
            DibHexResult decoded = DibFromHexLines(block);
            pictures += decoded.Picture ? 1 : 0;
            if (rewritten && decoded.Picture)
                rewritten->append(HexLines(DibToBytes(*decoded.Picture)));
        } else if (line.starts_with("g1,") || line.starts_with("g2,")) {
            inBlock = true;
            block.clear();
        }
        if (rewritten) rewritten->append(line).append("\r\n");
    }
    return pictures;
}

} // namespace roamplot::bench
