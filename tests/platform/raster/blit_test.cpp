// Block copies, stretches and single pixels, checked against a per-pixel reference.
#include <gtest/gtest.h>

#include <climits>

#include "raster_support.h"

namespace platform {
namespace {

using test::Any;
using test::RandomSurface;
using test::SamePixels;

constexpr Rop kRops[] = {Rop::Copy, Rop::And, Rop::Paint};

// The obvious stretch, every target pixel on its own: target pixel i (counted from the block's
// origin in its own direction) takes source pixel floor((i + 1/2) * |sw| / |dw|), counted
// likewise; an empty source draws nothing.
void RefStretch(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                int sw, int sh, Rop rop) {
  if (sw == 0 || sh == 0) return;
  const auto pick = [](std::int64_t i, int d, int s) {
    return (2 * i + 1) * std::abs(s) / (2 * std::abs(d));
  };
  const auto at = [](int origin, int size, std::int64_t i) {
    return size > 0 ? origin + i : origin - i;
  };
  for (std::int64_t j = 0; j < std::abs(dh); ++j) {
    for (std::int64_t i = 0; i < std::abs(dw); ++i) {
      const std::int64_t x = at(dx, dw, i), y = at(dy, dh, j);
      const std::int64_t u = at(sx, sw, pick(i, dw, sw)), v = at(sy, sh, pick(j, dh, sh));
      if (GetPixel(dst, x, y) < 0 || GetPixel(src, u, v) < 0) continue;
      std::uint32_t& d = dst.row(y)[x];
      const std::uint32_t s = src.row(v)[u];
      d = rop == Rop::Copy ? s : rop == Rop::And ? (d & s) : (d | s);
    }
  }
}

// A plain copy is the stretch with equal sizes; an empty block draws nothing.
void RefBlit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
             Rop rop) {
  if (w > 0 && h > 0) RefStretch(dst, dx, dy, w, h, src, sx, sy, w, h, rop);
}

TEST(Blit, CopiesAndStretchesMatchTheReferenceWithClippingAndMirroring) {
  std::mt19937 rng(7);
  // Rounds of three kinds: plain copies, any stretch, and stretches in height only (whole-row
  // copies: near-one ratios and mirrors of the width).
  for (int round = 0; round < 9000; ++round) {
    const int kind = round % 3;
    const Rop rop = kRops[round / 3 % 3];
    const Surface src = RandomSurface(Any(rng, 1, 14), Any(rng, 1, 14), rng);
    Surface dst = RandomSurface(Any(rng, 1, 16), Any(rng, 1, 16), rng), want = dst;
    const int reach = kind == 2 ? 8 : 20;  // row copies: mostly on the picture
    const int dx = Any(rng, -reach, reach), dy = Any(rng, -reach, reach),
              sx = Any(rng, -reach, reach), sy = Any(rng, -reach, reach), dh = Any(rng, -30, 30),
              sh = Any(rng, -14, 14);
    int dw = Any(rng, -30, 30), sw = Any(rng, -14, 14);
    if (kind == 0) {
      const int w = Any(rng, -3, 24), h = Any(rng, -3, 24);
      Blit(dst, dx, dy, w, h, src, sx, sy, rop);
      RefBlit(want, dx, dy, w, h, src, sx, sy, rop);
    } else {
      if (kind == 2) {
        sw = Any(rng, 1, 14) * (round % 4 == 3 ? -1 : 1);
        dw = round % 5 == 4 ? sw + Any(rng, -1, 1) : round % 7 == 6 ? -sw : sw;
      }
      StretchBlit(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, rop);
      RefStretch(want, dx, dy, dw, dh, src, sx, sy, sw, sh, rop);
    }
    ASSERT_TRUE(SamePixels(dst, want)) << "round " << round << " kind " << kind;
  }
  // Checked by hand: each pixel becomes a 3 x 2 block; a picture mirrors with dx = w - 1.
  const Surface src = RandomSurface(9, 6, rng);
  Surface big(27, 12), mirror(9, 6);
  StretchBlit(big, 0, 0, 27, 12, src, 0, 0, 9, 6, Rop::Copy);
  for (int i = 0; i < 27 * 12; ++i) ASSERT_EQ(big.data()[i], src.row(i / 27 / 2)[i % 27 / 3]);
  StretchBlit(mirror, 8, 0, -9, 6, src, 0, 0, 9, 6, Rop::Copy);
  for (int i = 0; i < 54; ++i) ASSERT_EQ(mirror.data()[i], src.row(i / 9)[8 - i % 9]);
}

TEST(Blit, OverlappingBlocksOfOnePictureCopyAsIfFromACopy) {
  std::mt19937 rng(11);
  for (int round = 0; round < 600; ++round) {
    Surface s = RandomSurface(24, 20, rng);
    const Surface before = s;
    Surface want = s;
    const int sx = Any(rng, 0, 10), sy = Any(rng, 0, 10);
    const int dx = sx + Any(rng, -4, 4), dy = sy + Any(rng, -4, 4);
    Blit(s, dx, dy, 14, 9, s, sx, sy, kRops[round % 3]);
    RefBlit(want, dx, dy, 14, 9, before, sx, sy, kRops[round % 3]);
    ASSERT_TRUE(SamePixels(s, want)) << dx - sx << "," << dy - sy;
  }
}

TEST(Blit, ExtremeArgumentsClipWithoutOverflow) {
  std::mt19937 rng(3);
  const Surface src = RandomSurface(10, 8, rng);
  Surface dst(12, 9, 0x123456);
  const Surface before = dst;
  Blit(dst, INT_MIN, 0, INT_MAX, 9, src, 0, 0, Rop::Copy);  // ends left of the picture
  Blit(dst, 0, INT_MAX, 5, INT_MAX, src, 0, 0, Rop::Copy);
  Blit(dst, 0, 0, 5, 5, src, INT_MIN, INT_MIN, Rop::Copy);
  StretchBlit(dst, 0, 0, INT_MIN, 5, src, 0, 0, INT_MIN, 3, Rop::Copy);
  EXPECT_TRUE(SamePixels(dst, before));
  Surface want = before;
  RefBlit(want, 2, 1, 20, 20, src, 0, 0, Rop::Copy);
  Blit(dst, 2, 1, INT_MAX, INT_MAX, src, 0, 0, Rop::Copy);
  EXPECT_TRUE(SamePixels(dst, want));
}

// Transparent drawing: AND the mask, then PAINT the picture, both to the same place.
TEST(Blit, MaskThenPictureShowsPictureOverBackground) {
  std::mt19937 rng(5);
  Surface bg = RandomSurface(30, 20, rng);
  const Surface original = bg;
  Surface picture = RandomSurface(10, 8, rng), mask(10, 8, 0);
  for (int i = 0; i < 80; i += 3) mask.data()[i] = 0xFFFFFF, picture.data()[i] = 0;
  Blit(bg, 25, 4, 10, 8, mask, 0, 0, Rop::And);  // runs past the right edge
  Blit(bg, 25, 4, 10, 8, picture, 0, 0, Rop::Paint);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool opaque = x >= 25 && y >= 4 && y < 12 && mask.row(y - 4)[x - 25] == 0;
      ASSERT_EQ(bg.row(y)[x], opaque ? picture.row(y - 4)[x - 25] : original.row(y)[x]);
    }
  }
}

TEST(Pixels, ColourOrderAndOutsideValues) {
  Surface s(4, 3, 0);
  EXPECT_TRUE(SetPixel(s, 3, 2, Rgb(1, 2, 3)));
  EXPECT_EQ(s.row(2)[3], 0x010203u);
  EXPECT_EQ(GetPixel(s, 3, 2), 1 + 256 * 2 + 65536 * 3);
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, INT_MAX}}) {
    EXPECT_EQ(GetPixel(s, x, y), -1) << x << "," << y;
    EXPECT_FALSE(SetPixel(s, x, y, kWhite));
  }
  EXPECT_EQ(GetPixel(Surface(), 0, 0), -1);
  EXPECT_TRUE(Surface(-5, 3).empty());
}

}  // namespace
}  // namespace platform
