#pragma once
// Rounding as the handheld's drawing does it.
#include <cmath>

namespace roamplot {

// The nearest integer, halves going to the even neighbour.
inline int Nearest(double x) {
    return static_cast<int>(std::nearbyint(x));
}

} // namespace roamplot
