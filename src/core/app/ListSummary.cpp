#include "core/app/ListSummary.h"

namespace roamplot {

std::vector<std::string> SummariseLines(const std::vector<std::string>& lines, std::size_t shown) {
    if (lines.size() <= shown) return lines;
    std::vector<std::string> summary(lines.begin(),
                                     lines.begin() + static_cast<std::ptrdiff_t>(shown));
    summary.push_back("... and " + std::to_string(lines.size() - shown) + " more");
    return summary;
}

} // namespace roamplot
