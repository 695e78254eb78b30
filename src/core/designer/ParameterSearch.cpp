#include "core/designer/ParameterSearch.h"

#include <string>

namespace roamplot {

namespace {
// Windows-1252 letters fold to lower case, accented ones included.
char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 32);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 16);
    if (byte == 0x9F) return static_cast<char>(0xFF);
    return c;
}

std::string FoldedText(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = Folded(c);
    return folded;
}
} // namespace

std::vector<bool> ParameterItemsShown(const ParameterCatalogue& catalogue, std::string_view typed) {
    std::vector<bool> shown(catalogue.Size(), true);
    if (typed.empty()) return shown;
    const std::string wanted = FoldedText(typed);
    std::size_t heading = catalogue.Size(); // none yet
    for (std::size_t k = 0; k < catalogue.Size(); ++k) {
        const CatalogueEntry& entry = catalogue.At(k);
        if (entry.IsGroupTitle()) {
            heading = k;
            shown[k] = false;
            continue;
        }
        shown[k] = FoldedText(entry.Name).find(wanted) != std::string::npos;
        if (shown[k] && heading < catalogue.Size()) shown[heading] = true;
    }
    return shown;
}

} // namespace roamplot
