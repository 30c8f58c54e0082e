// The two ways the program turns a double into a whole number.
#pragma once
#include <cmath>
#include <cstdint>

namespace GameUtil {

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -12.5 -> -12).
inline std::int64_t RoundHalfEven(double v) {
  return static_cast<std::int64_t>(std::nearbyint(v));
}

// Floor, as Int() does (-0.5 -> -1).
inline std::int64_t FloorInt(double v) {
  return static_cast<std::int64_t>(std::floor(v));
}

}  // namespace GameUtil
