// Small helpers shared by the raster tests.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/surface.h"

namespace platform::test {

inline int Any(std::mt19937& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

inline Surface RandomSurface(int w, int h, std::mt19937& rng) {
  Surface s(w, h);
  for (int i = 0; i < w * h; ++i) s.data()[i] = rng() & 0xFFFFFF;
  return s;
}

inline ::testing::AssertionResult SamePixels(const Surface& a, const Surface& b) {
  if (a.width() != b.width() || a.height() != b.height()) {
    return ::testing::AssertionFailure() << "sizes differ";
  }
  for (int i = 0; i < a.width() * a.height(); ++i) {
    if (a.data()[i] != b.data()[i]) {
      return ::testing::AssertionFailure()
             << "first difference at " << i % a.width() << "," << i / a.width();
    }
  }
  return ::testing::AssertionSuccess();
}

inline int CountPixels(const Surface& s, std::uint32_t pixel) {
  return static_cast<int>(std::count(s.data(), s.data() + s.width() * s.height(), pixel));
}

}  // namespace platform::test
