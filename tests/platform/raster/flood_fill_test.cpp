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

// Random blue walls on white: areas touching only at corners stay apart.
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

// A blue ring on white: a fill inside stays inside and one outside stays outside; a start off
// the picture or not of the colour to match, or a fill in the same colour, changes nothing.
TEST(FloodFill, ConnectedAndUnconnectedAreasOfARing) {
  Surface ring(21, 21, ToPixel(kWhite));
  int hole = 0, wall = 0;
  for (int i = 0; i < 21 * 21; ++i) {
    const int d2 = (i % 21 - 10) * (i % 21 - 10) + (i / 21 - 10) * (i / 21 - 10);
    if (d2 >= 16 && d2 <= 49) ring.data()[i] = ToPixel(kBlue), ++wall;
    hole += d2 < 16;
  }
  struct Case {
    int x, y;
    Colour match, fill;
    int filled;
  };
  for (const Case& c : {Case{10, 10, kWhite, kRed, hole},
                        {0, 0, kWhite, kRed, 441 - hole - wall},
                        {10, 10, kWhite, kWhite, 0},
                        {-1, 4, kWhite, kRed, 0},
                        {4, 21, kWhite, kRed, 0},
                        {10, 4, kWhite, kRed, 0}}) {
    Surface s = ring, want = ring;
    FloodFill(s, c.x, c.y, c.match, c.fill);
    RefFill(want, c.x, c.y, c.match, c.fill);
    EXPECT_TRUE(SamePixels(s, want)) << c.x << "," << c.y;
    EXPECT_EQ(test::CountPixels(s, ToPixel(kRed)), c.filled) << c.x << "," << c.y;
  }
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
