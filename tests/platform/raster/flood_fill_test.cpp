// Flood fill: exactly the 4-connected area of one colour, compared with a breadth-first fill.
#include <gtest/gtest.h>

#include <queue>

#include "raster_support.h"

namespace platform {
namespace {

constexpr Colour kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255);
using test::SamePixels;

void RefFill(Surface& s, int x, int y, Colour match, Colour fill) {
  if (match == fill || GetPixel(s, x, y) != match) return;
  std::queue<std::pair<int, int>> todo;
  todo.push({x, y});
  SetPixel(s, x, y, fill);
  while (!todo.empty()) {
    const auto [px, py] = todo.front();
    todo.pop();
    for (const auto& [qx, qy] : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}}) {
      if (GetPixel(s, qx, qy) == match) SetPixel(s, qx, qy, fill), todo.push({qx, qy});
    }
  }
}

TEST(FloodFill, MatchesBreadthFirstFillOnRandomPictures) {
  std::mt19937 rng(21);
  for (int round = 0; round < 400; ++round) {
    const int w = test::Any(rng, 1, 40), h = test::Any(rng, 1, 30),
              density = test::Any(rng, 30, 70);
    Surface s(w, h, ToPixel(kWhite));
    for (int i = 0; i < w * h; ++i) {
      if (test::Any(rng, 0, 99) < density) s.data()[i] = ToPixel(kBlue);
    }
    Surface want = s;
    const int x = test::Any(rng, 0, w - 1), y = test::Any(rng, 0, h - 1);
    FloodFill(s, x, y, kWhite, kRed);
    RefFill(want, x, y, kWhite, kRed);
    ASSERT_TRUE(SamePixels(s, want)) << "round " << round;
  }
}

// A blue ring with a white hole, and white pixels touching only at corners.
TEST(FloodFill, KeepsUnconnectedAreasApart) {
  Surface ring(21, 21, ToPixel(kWhite));
  for (int i = 0; i < 21 * 21; ++i) {
    const int d2 = (i % 21 - 10) * (i % 21 - 10) + (i / 21 - 10) * (i / 21 - 10);
    if (d2 >= 16 && d2 <= 49) ring.data()[i] = ToPixel(kBlue);
  }
  Surface inside = ring, outside = ring;
  FloodFill(inside, 10, 10, kWhite, kRed);
  EXPECT_TRUE(GetPixel(inside, 13, 10) == kRed && GetPixel(inside, 0, 0) == kWhite);
  FloodFill(outside, 0, 0, kWhite, kRed);
  EXPECT_TRUE(GetPixel(outside, 10, 10) == kWhite && GetPixel(outside, 20, 20) == kRed);
  EXPECT_EQ(test::CountPixels(outside, ToPixel(kBlue)), test::CountPixels(ring, ToPixel(kBlue)));

  Surface corners(4, 4, ToPixel(kBlue));
  SetPixel(corners, 1, 1, kWhite);
  SetPixel(corners, 2, 2, kWhite);
  SetPixel(corners, 0, 2, kWhite);
  FloodFill(corners, 1, 1, kWhite, kRed);
  EXPECT_EQ(test::CountPixels(corners, ToPixel(kRed)), 1);
}

TEST(FloodFill, NothingHappensWithoutAMatchingStart) {
  std::mt19937 rng(2);
  Surface s = test::RandomSurface(10, 10, rng);
  SetPixel(s, 4, 4, kWhite);
  const Surface before = s;
  FloodFill(s, 4, 4, kWhite, kWhite);  // same colour: must end and change nothing
  FloodFill(s, -1, 4, kWhite, kRed);
  FloodFill(s, 4, 10, kWhite, kRed);
  FloodFill(s, 5, 5, Rgb(1, 2, 3), kRed);  // not the colour at the start
  EXPECT_TRUE(SamePixels(s, before));
}

TEST(FloodFill, WholeScreenAndAWindingCorridor) {
  Surface s(800, 600, ToPixel(kWhite));
  FloodFill(s, 400, 300, kWhite, kRed);
  EXPECT_EQ(test::CountPixels(s, ToPixel(kRed)), 800 * 600);
  // Walls in every other column with the gap alternately at the bottom and the top.
  for (int x = 1; x < 800; x += 2) {
    const int gap = (x / 2) % 2 ? 0 : 599;
    for (int y = 0; y < 600; ++y) {
      if (y != gap) s.row(y)[x] = ToPixel(kBlue);
    }
  }
  Surface want = s;
  FloodFill(s, 0, 0, kRed, kWhite);
  RefFill(want, 0, 0, kRed, kWhite);
  EXPECT_TRUE(SamePixels(s, want));
  EXPECT_EQ(GetPixel(s, 798, 300), kWhite);
}

}  // namespace
}  // namespace platform
