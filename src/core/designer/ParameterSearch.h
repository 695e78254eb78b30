#pragma once
// Narrowing the parameter choice by what the user types.
#include <string_view>
#include <vector>

#include "core/model/ParameterCatalogue.h"

namespace roamplot {

// One flag per catalogue position: whether its item stays in view. An entry
// stays when its name holds the typed text anywhere, whatever the case; a
// group heading stays while one of its entries does. Nothing typed keeps all.
std::vector<bool> ParameterItemsShown(const ParameterCatalogue& catalogue, std::string_view typed);

} // namespace roamplot
