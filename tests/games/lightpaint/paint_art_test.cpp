// The built Light paint pictures hold to what the board needs of them: colouring pages of pure
// black outlines around closed white areas, splashes that take any colour, shapes that differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "games/lightpaint/paint_layout.h"
#include "platform/image_file.h"

namespace lightpaint {
namespace {

namespace fs = std::filesystem;

constexpr int kColouringPages = 12;  // backgrounds 0..11; the rest are full-colour scenes

platform::Surface Load(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  auto s = platform::LoadBmp((fs::path(KIDPLAY_DIR) / path).string());
  EXPECT_TRUE(s) << path;
  return s ? *s : platform::Surface();
}

// The sizes of the 4-connected areas of one colour, as a fill tool sees them.
std::vector<int> Areas(const platform::Surface& page, std::uint32_t colour) {
  const int w = page.width();
  const int h = page.height();
  std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
  std::vector<int> sizes;
  std::vector<int> stack;
  for (int start = 0; start < w * h; ++start) {
    if (seen[start] || (page.data()[start] & 0xFFFFFF) != colour) continue;
    int n = 0;
    seen[start] = 1;
    stack.push_back(start);
    while (!stack.empty()) {
      const int p = stack.back();
      stack.pop_back();
      ++n;
      const int x = p % w;
      const int y = p / w;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& q : next) {
        if (q[0] < 0 || q[1] < 0 || q[0] >= w || q[1] >= h) continue;
        const int i = q[1] * w + q[0];
        if (seen[i] || (page.data()[i] & 0xFFFFFF) != colour) continue;
        seen[i] = 1;
        stack.push_back(i);
      }
    }
    sizes.push_back(n);
  }
  return sizes;
}

TEST(PaintArt, ColouringPagesArePureBlackAndWhiteWithManyClosedAreas) {
  for (int i = 0; i < kColouringPages; ++i) {
    const platform::Surface page = Load(BackgroundPath(i));
    ASSERT_EQ(page.width(), 730);
    ASSERT_EQ(page.height(), 500);
    int black = 0;
    int other = 0;
    for (int p = 0; p < page.width() * page.height(); ++p) {
      const std::uint32_t c = page.data()[p] & 0xFFFFFF;
      black += c == 0;
      other += c != 0 && c != 0xFFFFFF;
    }
    EXPECT_EQ(other, 0) << "page " << i << " has grey or coloured (anti-aliased) pixels";
    EXPECT_GT(black, 5000) << "page " << i;
    const std::vector<int> areas = Areas(page, 0xFFFFFF);
    const int big =
        static_cast<int>(std::count_if(areas.begin(), areas.end(), [](int n) { return n >= 300; }));
    const int largest = *std::max_element(areas.begin(), areas.end());
    // Sky, ground and the parts of every figure are areas of their own; no area is the page.
    EXPECT_GE(big, 12) << "page " << i;
    EXPECT_LT(largest, 730 * 500 * 9 / 10) << "page " << i;
  }
}

TEST(PaintArt, SplashesAreWhiteWhereTheirMaskIsOpaque) {
  for (int k = 0; k < 4; ++k) {
    const platform::Surface picture = Load(SplashPath(k));
    const platform::Surface mask = Load(SplashMaskPath(k));
    ASSERT_EQ(picture.width(), 40);
    ASSERT_EQ(mask.width(), 40);
    int opaque = 0;
    for (int p = 0; p < 40 * 40; ++p) {
      const std::uint32_t c = picture.data()[p] & 0xFFFFFF;
      const std::uint32_t m = mask.data()[p] & 0xFFFFFF;
      EXPECT_TRUE((m == 0 && c == 0xFFFFFF) || (m == 0xFFFFFF && c == 0)) << "splash " << k;
      opaque += m == 0;
    }
    EXPECT_GT(opaque, 400) << "splash " << k;
  }
}

TEST(PaintArt, NoTwoShapesAreAlikeAndEveryIconFitsItsButton) {
  std::vector<platform::Surface> shapes;
  for (int i = 0; i < kShapeCount; ++i) {
    shapes.push_back(Load(ShapeImagePath(i)));
    const platform::Surface icon = Load(ShapeIconPath(i));
    EXPECT_TRUE(icon.width() == 41 && icon.height() == 41) << i;
  }
  for (int i = 0; i < kShapeCount; ++i) {
    for (int j = i + 1; j < kShapeCount; ++j) {
      const auto& a = shapes[i];
      const auto& b = shapes[j];
      const bool same = a.width() == b.width() && a.height() == b.height() &&
                        std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
      EXPECT_FALSE(same) << "shapes " << i << " and " << j;
    }
  }
  for (int i = 0; i < kBackgroundCount; ++i) {
    const platform::Surface icon = Load(BackgroundIconPath(i));
    EXPECT_TRUE(icon.width() == 41 && icon.height() == 41) << i;
  }
}

}  // namespace
}  // namespace lightpaint
