// Lines, boxes and circles: end points, round ends, pen widths and clipping.
#include "platform/draw.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "raster_support.h"

namespace platform {
namespace {

using test::Any;
constexpr Colour kInk = Rgb(10, 200, 30);
const std::uint32_t kInkPixel = ToPixel(kInk);

bool Set(const Surface& s, int x, int y) {
  return GetPixel(s, x, y) == kInk;
}

// Exact test of "pixel centre within width / 2 of the segment", in whole numbers.
bool NearSegment(std::int64_t px, std::int64_t py, int x1, int y1, int x2, int y2, int width) {
  const std::int64_t dx = x2 - x1, dy = y2 - y1, ax = px - x1, ay = py - y1;
  const std::int64_t len2 = dx * dx + dy * dy, along = ax * dx + ay * dy, w2 = width * width;
  if (along <= 0) return 4 * (ax * ax + ay * ay) <= w2;
  if (along >= len2) return 4 * ((px - x2) * (px - x2) + (py - y2) * (py - y2)) <= w2;
  const std::int64_t cross = ax * dy - ay * dx;
  return 4 * cross * cross <= w2 * len2;
}

TEST(ThinLine, OnePixelPerStepNearestTheLineFromEndToEnd) {
  std::mt19937 rng(31);
  for (int round = 0; round < 500; ++round) {
    Surface s(64, 48);
    const int x1 = Any(rng, 0, 63), y1 = Any(rng, 0, 47), x2 = Any(rng, 0, 63),
              y2 = Any(rng, 0, 47);
    DrawLine(s, x1, y1, x2, y2, 1, kInk);
    ASSERT_TRUE(Set(s, x1, y1) && Set(s, x2, y2)) << x1 << "," << y1 << " " << x2 << "," << y2;
    const bool steep = std::abs(y2 - y1) > std::abs(x2 - x1);
    const int major = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    ASSERT_EQ(test::CountPixels(s, kInkPixel), major + 1);
    for (int i = 0; i < 64 * 48 && major > 0; ++i) {
      const int x = i % 64, y = i / 64;
      if (!Set(s, x, y)) continue;
      // Within half a pixel of the ideal line across the long axis.
      const double ideal = steep ? x1 + double(y - y1) * (x2 - x1) / (y2 - y1)
                                 : y1 + double(x - x1) * (y2 - y1) / (x2 - x1);
      ASSERT_LE(std::abs((steep ? x : y) - ideal), 0.5) << x << "," << y;
    }
  }
}

// A small picture gets the same pixels as the matching window of a large one.
TEST(Lines, ClippedLinesMatchTheUnclippedDrawing) {
  std::mt19937 rng(37);
  constexpr int kOx = 200, kOy = 180;
  for (int round = 0; round < 300; ++round) {
    const int x1 = Any(rng, -150, 190), y1 = Any(rng, -150, 170), x2 = Any(rng, -150, 190),
              y2 = Any(rng, -150, 170), width = round % 2 ? 1 : Any(rng, 2, 25);
    Surface small(40, 30), large(440, 390), window(40, 30);
    DrawLine(small, x1, y1, x2, y2, width, kInk);
    DrawLine(large, x1 + kOx, y1 + kOy, x2 + kOx, y2 + kOy, width, kInk);
    Blit(window, 0, 0, 40, 30, large, kOx, kOy, Rop::Copy);
    ASSERT_TRUE(test::SamePixels(small, window))
        << x1 << "," << y1 << " " << x2 << "," << y2 << " w " << width;
  }
  Surface s(50, 40);  // far-away end points cost no time and lose no pixels
  DrawLine(s, INT_MIN / 2, 7, INT_MAX / 2, 7, 1, kInk);
  DrawLine(s, -1000000000, -1000000000, 1000000000, 1000000000, 1, kInk);
  EXPECT_EQ(test::CountPixels(s, kInkPixel), 50 + 40 - 1);
  EXPECT_TRUE(Set(s, 0, 7) && Set(s, 49, 7) && Set(s, 0, 0) && Set(s, 39, 39));
  DrawLine(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 9, kInk);
}

TEST(ThickLine, EveryPixelWithinHalfTheWidthOfTheSegment) {
  std::mt19937 rng(41);
  for (int round = 0; round < 300; ++round) {
    Surface s(60, 50);
    const int x1 = Any(rng, -20, 80), y1 = Any(rng, -20, 70), x2 = Any(rng, -20, 80),
              y2 = Any(rng, -20, 70), width = Any(rng, 2, 31);
    DrawLine(s, x1, y1, x2, y2, width, kInk);
    for (int i = 0; i < 60 * 50; ++i) {
      ASSERT_EQ(Set(s, i % 60, i / 60), NearSegment(i % 60, i / 60, x1, y1, x2, y2, width))
          << "pixel " << i % 60 << "," << i / 60 << " line " << x1 << "," << y1 << " " << x2 << ","
          << y2 << " w " << width;
    }
  }
  Surface s(80, 50);
  DrawLine(s, 20, 25, 50, 25, 10, kInk);
  EXPECT_TRUE(Set(s, 55, 25) && Set(s, 15, 25) && Set(s, 53, 29));   // round: 3^2 + 4^2 = 5^2
  EXPECT_FALSE(Set(s, 56, 25) || Set(s, 55, 30) || Set(s, 15, 20));  // no square corners
}

// Boxes between two corners in any order, some far outside. A pen of width w covers w pixels
// across each edge, centred on it, the extra pixel of an even width outside.
TEST(Boxes, FilledAndOutlinedBoxesByCorners) {
  std::mt19937 rng(43);
  const auto coord = [&] {
    const int pick = Any(rng, 0, 19);
    return pick == 0 ? INT_MIN : pick == 1 ? INT_MAX : Any(rng, -6, 26);
  };
  for (int round = 0; round < 2000; ++round) {
    const int x1 = coord(), y1 = coord(), x2 = coord(), y2 = coord(), width = round % 5;
    Surface s(20, 20);
    if (width == 0) FillBox(s, x1, y1, x2, y2, kInk);
    if (width > 0) DrawBox(s, x1, y1, x2, y2, width, kInk);
    const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2), top = std::min(y1, y2),
                       bottom = std::max(y1, y2);
    const std::int64_t out = width / 2, in = width == 0 ? INT64_MAX / 2 : (width - 1) / 2;
    for (int i = 0; i < 20 * 20; ++i) {
      const int x = i % 20, y = i / 20;
      const bool inOuter =
          x >= left - out && x <= right + out && y >= top - out && y <= bottom + out;
      const bool inHole = x > left + in && x < right - in && y > top + in && y < bottom - in;
      ASSERT_EQ(Set(s, x, y), inOuter && !inHole) << "round " << round << " at " << x << "," << y;
    }
  }
}

TEST(Circles, FilledCircleAndRingByDistanceFromTheCentre) {
  for (int r = -1; r <= 13; ++r) {
    for (int width = 0; width <= 5; ++width) {  // width 0: the filled circle
      Surface s(31, 31);
      const int cx = r % 3 ? 15 : 28, cy = r % 2 ? 15 : 2;  // some near the edges
      if (width == 0) FillCircle(s, cx, cy, r, kInk);
      if (width > 0) DrawCircle(s, cx, cy, r, width, kInk);
      for (int i = 0; i < 31 * 31; ++i) {
        const double d = std::hypot(i % 31 - cx, i / 31 - cy);
        const bool want =
            r >= 0 && (width == 0 ? d <= r : d > r - width / 2.0 && d <= r + width / 2.0);
        ASSERT_EQ(Set(s, i % 31, i / 31), want)
            << "r " << r << " w " << width << " at " << i % 31 << "," << i / 31;
      }
    }
  }
}

}  // namespace
}  // namespace platform
