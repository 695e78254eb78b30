#pragma once
// Box texts as they are measured and drawn.
#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "render/TextCodec.h"

namespace roamplot {

// Far more than any box of a handheld screen could show. A longer text is cut
// before it is measured or drawn: laying out megabytes of one line costs
// seconds and many times the text's size in memory.
inline constexpr std::size_t MostDrawnCharacters = 4096;

// The first MostDrawnCharacters characters (one byte each in Windows-1252).
inline std::string_view DrawnPart(std::string_view windows1252) {
    return windows1252.substr(0, MostDrawnCharacters);
}
inline QString ToDrawnText(std::string_view windows1252) {
    return ToQString(DrawnPart(windows1252));
}

} // namespace roamplot
