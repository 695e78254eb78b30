#pragma once
// Long lists in messages: the first lines and a count of the rest, so that a
// file with thousands of findings still gives a message one can read.
#include <cstddef>
#include <string>
#include <vector>

namespace roamplot {

inline constexpr std::size_t SummaryLines = 10;

// The lines as they are when there are at most `shown`; otherwise the first
// `shown` and a line "... and N more".
std::vector<std::string> SummariseLines(const std::vector<std::string>& lines,
                                        std::size_t shown = SummaryLines);

} // namespace roamplot
