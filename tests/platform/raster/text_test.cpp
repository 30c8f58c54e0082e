// Text: drawn inside its extent, blended in its colour, the same every time, clipped.
#include "platform/text.h"

#include <gtest/gtest.h>

#include <set>

#include "raster_support.h"

namespace platform {
namespace {

constexpr std::uint32_t kPaper = 0x204060;

TEST(Text, DrawsInsideItsMeasuredExtentTheSameEveryTime) {
  Surface s(300, 80, kPaper), again(300, 80, kPaper);
  const TextExtent e = DrawText(s, 20, 10, "Kidplay 123", 24, false, kWhite);
  DrawText(again, 20, 10, "Kidplay 123", 24, false, kWhite);
  EXPECT_TRUE(test::SamePixels(s, again));
  const TextExtent m = MeasureText("Kidplay 123", 24, false);
  EXPECT_TRUE(e.width == m.width && e.height == m.height);
  EXPECT_TRUE(e.width > 60 && e.height >= 24 && e.height < 40) << e.width << "x" << e.height;
  int inked = 0;
  for (int i = 0; i < 300 * 80; ++i) {
    const int x = i % 300, y = i / 300;
    if (s.data()[i] == kPaper) continue;
    ++inked;
    ASSERT_TRUE(x >= 20 && x < 20 + e.width && y >= 10 && y < 10 + e.height) << x << "," << y;
  }
  EXPECT_GT(inked, 200);

  const TextExtent regular = MeasureText("Domino", 20, false),
                   big = MeasureText("Domino", 40, false);
  EXPECT_GT(MeasureText("Domino", 20, true).width, regular.width);  // bold
  EXPECT_TRUE(big.width > regular.width * 3 / 2 && big.height > regular.height * 3 / 2);
  Surface empty(50, 30, kPaper);
  EXPECT_EQ(DrawText(empty, 0, 0, "", 20, false, kWhite).width, 0);
  EXPECT_EQ(DrawText(empty, 0, 0, "abc", 0, false, kWhite).width, 0);
  EXPECT_EQ(test::CountPixels(empty, kPaper), 50 * 30);
}

// Red on blue: each pixel is a mix of the two, so red and blue always add up to 255.
TEST(Text, BlendsTheGlyphEdgesBetweenPictureAndColour) {
  Surface s(200, 60, 0x0000FF);
  DrawText(s, 5, 5, "Oa", 40, false, Rgb(255, 0, 0));
  std::set<std::uint32_t> reds;
  for (int i = 0; i < 200 * 60; ++i) {
    const std::uint32_t p = s.data()[i], red = p >> 16, blue = p & 0xFF;
    ASSERT_EQ(p & 0xFF00, 0u) << "green at " << i;
    ASSERT_NEAR(red + blue, 255u, 1u) << i;
    reds.insert(red);
  }
  EXPECT_TRUE(reds.count(255) && reds.size() > 10u);  // solid strokes and smooth edges
}

TEST(Text, ClippedLikeTheVisiblePartOfALargerPicture) {
  Surface big(400, 200, kPaper);
  DrawText(big, 150, 80, "Maze 42", 30, false, kWhite);
  for (const auto& [x, y] : {std::pair{-30, -10}, {20, 30}, {-200, 0}}) {
    Surface small(60, 25, kPaper), window(60, 25, kPaper);
    DrawText(small, x, y, "Maze 42", 30, false, kWhite);
    Blit(window, 0, 0, 60, 25, big, 150 - x, 80 - y, Rop::Copy);
    EXPECT_TRUE(test::SamePixels(small, window)) << x << "," << y;
  }
  Surface none;
  DrawText(none, 0, 0, "x", 12, false, kWhite);
}

}  // namespace
}  // namespace platform
