// Small helpers shared by the raster tests.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

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

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& b, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A BMP of the surface: 24 or 32 bits a pixel (the fourth byte set, as alpha-writing tools
// do), or 8 / 1 bits through a palette that holds every pixel. Rows bottom-up unless topDown.
inline Bytes MakeBmp(const Surface& s, int bits, bool topDown,
                     const std::vector<std::uint32_t>& palette = {}) {
  const int w = s.width(), h = s.height(), rowBytes = (w * bits + 31) / 32 * 4;
  const auto colours = static_cast<std::uint32_t>(palette.size());
  const std::uint32_t offset = 54 + 4 * colours, body = rowBytes * h;
  Bytes b = {'B', 'M'};
  for (const std::uint32_t v : {offset + body, 0u, offset, 40u, static_cast<std::uint32_t>(w),
                                static_cast<std::uint32_t>(topDown ? -h : h)}) {
    Put(b, v, 4);
  }
  Put(b, 1, 2);
  Put(b, bits, 2);
  for (const std::uint32_t v : {0u, body, 2835u, 2835u, colours, 0u}) Put(b, v, 4);
  for (const std::uint32_t c : palette) Put(b, c, 4);
  for (int i = 0; i < h; ++i) {
    const std::uint32_t* row = s.row(topDown ? i : h - 1 - i);
    Bytes line(rowBytes, 0);
    for (int x = 0; x < w; ++x) {
      const auto index = std::find(palette.begin(), palette.end(), row[x]) - palette.begin();
      if (bits >= 24) {
        for (int k = 0; k < 3; ++k) line[bits / 8 * x + k] = (row[x] >> (8 * k)) & 0xFF;
        if (bits == 32) line[4 * x + 3] = 0xFF;
      } else if (bits == 8) {
        line[x] = static_cast<std::uint8_t>(index);
      } else {
        line[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
      }
    }
    b.insert(b.end(), line.begin(), line.end());
  }
  return b;
}

inline int CountPixels(const Surface& s, std::uint32_t pixel) {
  return static_cast<int>(std::count(s.data(), s.data() + s.width() * s.height(), pixel));
}

}  // namespace platform::test
