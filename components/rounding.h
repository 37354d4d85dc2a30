// Rounding as the drawing rules use it: to the nearest integer, halves to the
// even one (the floating-point environment's default mode).
#pragma once

#include <cmath>

namespace components {

inline int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace components
