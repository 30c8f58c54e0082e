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

void RefApply(Surface& dst, std::int64_t x, std::int64_t y, const Surface& src, std::int64_t sx,
              std::int64_t sy, Rop rop) {
  if (GetPixel(dst, x, y) < 0 || GetPixel(src, sx, sy) < 0) return;
  std::uint32_t& d = dst.row(y)[x];
  const std::uint32_t s = src.row(sy)[sx];
  d = rop == Rop::Copy ? s : rop == Rop::And ? (d & s) : (d | s);
}

// The obvious versions: every pixel of the block on its own. A stretch's target pixel i
// (counted from the block's origin in its own direction) takes source pixel
// floor((i + 1/2) * |sw| / |dw|), counted likewise; an empty source draws nothing.
void RefBlit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
             Rop rop) {
  for (std::int64_t j = 0; j < h; ++j) {
    for (std::int64_t i = 0; i < w; ++i) RefApply(dst, dx + i, dy + j, src, sx + i, sy + j, rop);
  }
}

void RefStretch(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                int sw, int sh, Rop rop) {
  if (sw == 0 || sh == 0) return;
  const auto pick = [](std::int64_t i, int d, int s) {
    return (2 * i + 1) * std::abs(s) / (2 * std::abs(d));
  };
  const auto step = [](int origin, int size, std::int64_t i) {
    return size > 0 ? origin + i : origin - i;
  };
  for (std::int64_t j = 0; j < std::abs(dh); ++j) {
    for (std::int64_t i = 0; i < std::abs(dw); ++i) {
      RefApply(dst, step(dx, dw, i), step(dy, dh, j), src, step(sx, sw, pick(i, dw, sw)),
               step(sy, sh, pick(j, dh, sh)), rop);
    }
  }
}

TEST(Blit, MatchesReferenceWithClippingOnEverySide) {
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    const Surface src = RandomSurface(Any(rng, 1, 16), Any(rng, 1, 16), rng);
    Surface dst = RandomSurface(Any(rng, 1, 16), Any(rng, 1, 16), rng), want = dst;
    const int dx = Any(rng, -20, 20), dy = Any(rng, -20, 20), sx = Any(rng, -20, 20),
              sy = Any(rng, -20, 20), w = Any(rng, -3, 24), h = Any(rng, -3, 24);
    Blit(dst, dx, dy, w, h, src, sx, sy, kRops[round % 3]);
    RefBlit(want, dx, dy, w, h, src, sx, sy, kRops[round % 3]);
    ASSERT_TRUE(SamePixels(dst, want))
        << dx << "," << dy << " " << w << "x" << h << " from " << sx << "," << sy;
  }
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

TEST(StretchBlit, MatchesReferenceWithClippingAndMirroring) {
  std::mt19937 rng(9);
  for (int round = 0; round < 3000; ++round) {
    const Surface src = RandomSurface(Any(rng, 1, 12), Any(rng, 1, 12), rng);
    Surface dst = RandomSurface(Any(rng, 1, 16), Any(rng, 1, 16), rng), want = dst;
    const int dx = Any(rng, -20, 20), dy = Any(rng, -20, 20), sx = Any(rng, -6, 16),
              sy = Any(rng, -6, 16), dw = Any(rng, -30, 30), dh = Any(rng, -30, 30),
              sw = Any(rng, -14, 14), sh = Any(rng, -14, 14);
    StretchBlit(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, kRops[round % 3]);
    RefStretch(want, dx, dy, dw, dh, src, sx, sy, sw, sh, kRops[round % 3]);
    ASSERT_TRUE(SamePixels(dst, want)) << dx << "," << dy << " " << dw << "x" << dh << " from "
                                       << sx << "," << sy << " " << sw << "x" << sh;
  }
}

TEST(StretchBlit, SameSizeEnlargeShrinkAndMirror) {
  std::mt19937 rng(13);
  const Surface src = RandomSurface(9, 6, rng);
  Surface a = RandomSurface(8, 7, rng), b = a;
  StretchBlit(a, -3, 2, 9, 6, src, 1, 0, 9, 6, Rop::Paint);
  Blit(b, -3, 2, 9, 6, src, 1, 0, Rop::Paint);
  EXPECT_TRUE(SamePixels(a, b));

  Surface big(27, 12);  // each source pixel becomes a 3 x 2 block
  StretchBlit(big, 0, 0, 27, 12, src, 0, 0, 9, 6, Rop::Copy);
  for (int i = 0; i < 27 * 12; ++i) ASSERT_EQ(big.data()[i], src.row(i / 27 / 2)[i % 27 / 3]);

  Surface small(3, 2);  // a 3 x 3 block each: the middle pixel is nearest the centre
  StretchBlit(small, 0, 0, 3, 2, src, 0, 0, 9, 6, Rop::Copy);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(small.data()[i], src.row(i / 3 * 3 + 1)[i % 3 * 3 + 1]);

  Surface mirror(9, 6);
  StretchBlit(mirror, 8, 0, -9, 6, src, 0, 0, 9, 6, Rop::Copy);
  for (int i = 0; i < 54; ++i) ASSERT_EQ(mirror.data()[i], src.row(i / 9)[8 - i % 9]);
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
