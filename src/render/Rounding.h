#pragma once
// The integer arithmetic the handheld's drawing uses.
#include <cmath>

namespace roamplot {

// The nearest integer, halves going to the even neighbour.
inline int Nearest(double x) {
    return static_cast<int>(std::nearbyint(x));
}

// a div 2 truncating toward zero, as C++ division does; named for readability.
inline int Half(int a) {
    return a / 2;
}

} // namespace roamplot
