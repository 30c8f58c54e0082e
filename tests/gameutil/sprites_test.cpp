#include <algorithm>
#include <climits>
#include <cmath>

#include "fake_host.h"

namespace {

using namespace GameUtil;

constexpr std::uint32_t kBack = 0x203040;
using Pixels = std::vector<std::uint32_t>;

// A w x h picture whose colours come from `colour(x, y)`, 0 meaning transparent, and its mask.
class SpritePair {
 public:
  template <typename F>
  SpritePair(int w, int h, F colour)
      : image(GenerateEmptyDC(0, w, h)), mask(GenerateEmptyDC(0, w, h)) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        SurfaceOf(image)->row(y)[x] = colour(x, y);
        SurfaceOf(mask)->row(y)[x] = colour(x, y) == 0 ? 0xFFFFFF : 0;
      }
  }
  ~SpritePair() {
    DeleteGeneratedDC(image);
    DeleteGeneratedDC(mask);
  }
  std::int32_t image, mask;
};

class Sprites : public GameUtilTest {
 protected:
  platform::Surface target{12, 12, kBack};
  // The w x h block at (x, y), row by row.
  Pixels Block(int x, int y, int w, int h) const {
    Pixels pixels;
    for (int row = y; row < y + h; ++row)
      pixels.insert(pixels.end(), target.row(row) + x, target.row(row) + x + w);
    return pixels;
  }
  // Draws onto a fresh background and counts the pixels that changed.
  int Draw(const Sprite& s) {
    target.Fill(kBack);
    DrawSprite(s, target);
    return std::count_if(target.data(), target.data() + 144, [](auto p) { return p != kBack; });
  }
};

TEST_F(Sprites, InitSpriteRoundsDurationStampsTimeHidesAndLeavesLooping) {
  host.now = 4321;
  Sprite s;
  s.looping = True;
  s.visible = True;
  InitSprite(s, 7, 8, 2400, 160, 10, 20, 15, 160, 160, 74.5, 3);
  EXPECT_EQ(s.frameDuration, 74);
  EXPECT_EQ(s.lastFrameTime, 4321);
  EXPECT_EQ(s.visible, False);
  EXPECT_EQ(s.looping, True);
  EXPECT_EQ(s.name, "default");
  InitSprite(s, 0, 0, 1, 1, 0, 0, 0, 0, 0, 75.5, 0);
  EXPECT_EQ(s.frameDuration, 76);
}

TEST_F(Sprites, DrawsAPictureAFrameOrAStretchedFrameThroughTheMask) {
  // A single picture whose top-left pixel is transparent, at a position rounded half to even.
  const std::uint32_t colours[] = {0, 0xFF0000, 0x00FF00, 0x0000FF};
  SpritePair one(2, 2, [&](int x, int y) { return colours[y * 2 + x]; });
  Sprite s;
  InitSprite(s, one.image, one.mask, 2, 2, 0, 0, 0, 0, 0, 0, 0);
  s.x = 2.5;
  s.y = 3.5;
  s.visible = True;
  EXPECT_EQ(Draw(s), 3);
  EXPECT_EQ(Block(2, 4, 2, 2), (Pixels{kBack, 0xFF0000, 0x00FF00, 0x0000FF}));

  // Frame 2 of a strip of three 2 x 2 frames.
  SpritePair strip(6, 2, [](int x, int) { return 0x110000u * (x / 2 + 1); });
  InitSprite(s, strip.image, strip.mask, 6, 2, 1, 1, 3, 2, 2, 100, 2);
  s.visible = True;
  EXPECT_EQ(Draw(s), 4);
  EXPECT_EQ(Block(1, 1, 2, 2), Pixels(4, 0x330000));

  // Frame 1 of two 2 x 6 frames at scale 1.25: 2.5 x 7.5 pixels round to 2 x 8.
  SpritePair tall(4, 6, [](int x, int) { return 0x110000u * (x / 2 + 1); });
  InitSprite(s, tall.image, tall.mask, 4, 6, 0, 0, 2, 2, 6, 100, 1);
  s.scale = 1.25;
  s.visible = True;
  EXPECT_EQ(Draw(s), 16);
  EXPECT_EQ(Block(0, 0, 2, 8), Pixels(16, 0x220000));
  // A scaled single picture stretches its frame fields' block, not its whole size.
  InitSprite(s, tall.image, tall.mask, 4, 6, 0, 0, 0, 2, 2, 100, 0);
  s.scale = 2;
  s.visible = True;
  EXPECT_EQ(Draw(s), 16);
  EXPECT_EQ(Block(0, 0, 4, 4), Pixels(16, 0x110000));
}

TEST_F(Sprites, OnlyExactlyTrueIsVisibleAndStrayPositionsAreHarmless) {
  SpritePair p(2, 2, [](int, int) { return 0x00FF00u; });
  Sprite s;
  InitSprite(s, p.image, p.mask, 2, 2, 0, 0, 0, 0, 0, 0, 0);
  for (Boolean v : {False, Boolean{1}, Boolean{-2}}) {
    s.visible = v;
    EXPECT_EQ(Draw(s), 0) << v;
  }
  s.visible = True;
  EXPECT_EQ(Draw(s), 4);
  for (double x : {1e300, -1e300, std::nan("")}) {
    s.x = x;
    EXPECT_EQ(Draw(s), 0) << x;
  }
}

TEST(HitTests, SpriteRectFloorsBordersAreOutsideAndFarPointsDoNotOverflow) {
  Sprite s;
  InitSprite(s, 0, 0, 30, 20, 0, 0, 3, 10, 20, 0, 0);
  s.x = -0.5;
  s.y = 2.999;
  const Rect r = GetSpriteRect(s);
  EXPECT_EQ(std::tuple(r.Left, r.Top, r.Width, r.Height), std::tuple(-1, 2, 30, 20));

  struct Case {
    int x, y;
    Boolean in;
  };
  for (const auto& [x, y, in] : {Case{11, 21, True}, Case{14, 25, True}, Case{10, 22, False},
                                 Case{15, 22, False}, Case{12, 20, False}, Case{12, 26, False}}) {
    EXPECT_EQ(PointInRect(x, y, Rect{10, 20, 5, 6}), in) << x << "," << y;
  }
  EXPECT_EQ(PointInRect(INT_MAX, 1, Rect{INT_MAX - 5, 0, 10, 10}), True);  // right edge past 2^31

  EXPECT_DOUBLE_EQ(Distance(Point{0, 0}, Point{3, -4}), 5.0);
  EXPECT_DOUBLE_EQ(Distance(Point{INT_MIN, 0}, Point{INT_MAX, 0}), 4294967295.0);
  EXPECT_DOUBLE_EQ(Distance(Point{INT_MIN, INT_MIN}, Point{INT_MAX, INT_MAX}),
                   4294967295.0 * std::sqrt(2.0));
}

}  // namespace
