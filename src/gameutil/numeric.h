// The two ways the program turns a double into a whole number.
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace GameUtil {

// A whole-valued double as a 64-bit number. Beyond the 64-bit range (only damaged input gets
// there) the conversion would be undefined: the nearest end serves, and 0 for not-a-number.
inline std::int64_t SaturatingInt64(double whole) {
  constexpr double kTwo63 = 9223372036854775808.0;
  if (std::isnan(whole)) return 0;
  if (whole >= kTwo63) return std::numeric_limits<std::int64_t>::max();
  if (whole < -kTwo63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(whole);
}

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -12.5 -> -12).
inline std::int64_t RoundHalfEven(double v) {
  return SaturatingInt64(std::nearbyint(v));
}

// RoundHalfEven as an int, for places and sizes in pixels; saturates at the int range.
inline int NearestInt(double v) {
  const std::int64_t n = RoundHalfEven(v);
  if (n > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (n < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(n);
}

// Floor, as Int() does (-0.5 -> -1).
inline std::int64_t FloorInt(double v) {
  return SaturatingInt64(std::floor(v));
}

}  // namespace GameUtil
