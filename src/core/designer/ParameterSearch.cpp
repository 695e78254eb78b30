#include "core/designer/ParameterSearch.h"

#include <string>

#include "core/io/TextCase.h"

namespace roamplot {

std::vector<bool> ParameterItemsShown(const ParameterCatalogue& catalogue, std::string_view typed) {
    std::vector<bool> shown(catalogue.Size(), true);
    if (typed.empty()) return shown;
    const std::string wanted = LowerCase1252(typed);
    std::size_t heading = catalogue.Size(); // none yet
    for (std::size_t k = 0; k < catalogue.Size(); ++k) {
        const CatalogueEntry& entry = catalogue.At(k);
        if (entry.IsGroupTitle()) {
            heading = k;
            shown[k] = false;
            continue;
        }
        shown[k] = LowerCase1252(entry.Name).find(wanted) != std::string::npos;
        if (shown[k] && heading < catalogue.Size()) shown[heading] = true;
    }
    return shown;
}

} // namespace roamplot
