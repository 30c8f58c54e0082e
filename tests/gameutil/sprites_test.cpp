#include <climits>
#include <cmath>

#include "fake_host.h"

namespace {

using namespace GameUtil;

constexpr std::uint32_t kBack = 0x203040;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// A picture of w x h whose pixel colours come from `colour(x, y)`, 0 meaning transparent, and
// its mask.
class SpritePair {
 public:
  template <typename F>
  SpritePair(int w, int h, F colour) {
    image = GenerateEmptyDC(0, w, h);
    mask = GenerateEmptyDC(0, w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const std::uint32_t c = colour(x, y);
        SurfaceOf(image)->row(y)[x] = c;
        SurfaceOf(mask)->row(y)[x] = c == 0 ? kWhite : 0;
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
  std::uint32_t At(int x, int y) const { return target.row(y)[x]; }
  int Changed() const {
    int n = 0;
    for (int i = 0; i < 144; ++i) n += target.data()[i] != kBack;
    return n;
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

TEST_F(Sprites, SinglePictureIsMaskedAtRoundedPosition) {
  // Top-left pixel transparent, the rest red, green, blue.
  const std::uint32_t colours[] = {0, 0xFF0000, 0x00FF00, 0x0000FF};
  SpritePair p(2, 2, [&](int x, int y) { return colours[y * 2 + x]; });
  Sprite s;
  InitSprite(s, p.image, p.mask, 2, 2, 0, 0, 0, 0, 0, 0, 0);
  s.x = 2.5;  // halves to even: 2
  s.y = 3.5;  // 4
  s.visible = True;
  DrawSprite(s, target);
  EXPECT_EQ(At(2, 4), kBack);
  EXPECT_EQ(At(3, 4), 0xFF0000u);
  EXPECT_EQ(At(2, 5), 0x00FF00u);
  EXPECT_EQ(At(3, 5), 0x0000FFu);
  EXPECT_EQ(Changed(), 3);
}

TEST_F(Sprites, StripDrawsOnlyItsFrame) {
  const std::uint32_t colours[] = {0x110000, 0x220000, 0x330000};
  SpritePair p(6, 2, [&](int x, int) { return colours[x / 2]; });
  Sprite s;
  InitSprite(s, p.image, p.mask, 6, 2, 1, 1, 3, 2, 2, 100, 2);
  s.visible = True;
  DrawSprite(s, target);
  EXPECT_EQ(At(1, 1), 0x330000u);
  EXPECT_EQ(At(2, 2), 0x330000u);
  EXPECT_EQ(Changed(), 4);
}

TEST_F(Sprites, ScaledSpriteStretchesItsFrameToRoundedSize) {
  const std::uint32_t colours[] = {0x110000, 0x220000};
  SpritePair p(4, 6, [&](int x, int) { return colours[x / 2]; });
  Sprite s;
  InitSprite(s, p.image, p.mask, 4, 6, 0, 0, 2, 2, 6, 100, 1);
  s.scale = 1.25;  // 2.5 x 7.5 pixels round to 2 x 8
  s.visible = True;
  DrawSprite(s, target);
  EXPECT_EQ(At(0, 0), 0x220000u);
  EXPECT_EQ(At(1, 7), 0x220000u);
  EXPECT_EQ(Changed(), 16);
  // A single picture scaled by 2 uses its frame fields: 2 x 2 becomes 4 x 4.
  target.Fill(kBack);
  s.frame = 0;
  s.frameWidth = 2;
  s.frameHeight = 2;
  s.scale = 2;
  DrawSprite(s, target);
  EXPECT_EQ(At(3, 3), 0x110000u);
  EXPECT_EQ(Changed(), 16);
}

TEST_F(Sprites, OnlyExactlyTrueIsVisibleAndStrayPositionsAreHarmless) {
  SpritePair p(2, 2, [](int, int) { return 0x00FF00u; });
  Sprite s;
  InitSprite(s, p.image, p.mask, 2, 2, 0, 0, 0, 0, 0, 0, 0);
  for (Boolean v : {False, Boolean{1}, Boolean{-2}}) {
    s.visible = v;
    DrawSprite(s, target);
  }
  s.visible = True;
  for (double x : {1e300, -1e300, std::nan("")}) {
    s.x = x;
    DrawSprite(s, target);
  }
  EXPECT_EQ(Changed(), 0);
}

TEST(HitTests, SpriteRectFloorsAndPointsOnTheBorderAreOutside) {
  Sprite s;
  InitSprite(s, 0, 0, 30, 20, 0, 0, 3, 10, 20, 0, 0);
  s.x = -0.5;
  s.y = 2.999;
  const Rect r = GetSpriteRect(s);
  EXPECT_EQ(r.Left, -1);
  EXPECT_EQ(r.Top, 2);
  EXPECT_EQ(r.Width, 30);
  EXPECT_EQ(r.Height, 20);

  const Rect box{10, 20, 5, 6};
  EXPECT_EQ(PointInRect(11, 21, box), True);
  EXPECT_EQ(PointInRect(14, 25, box), True);
  EXPECT_EQ(PointInRect(10, 22, box), False);
  EXPECT_EQ(PointInRect(15, 22, box), False);
  EXPECT_EQ(PointInRect(12, 20, box), False);
  EXPECT_EQ(PointInRect(12, 26, box), False);
  // The right edge lies past the 32-bit range; the sum must not wrap.
  EXPECT_EQ(PointInRect(INT_MAX, 1, Rect{INT_MAX - 5, 0, 10, 10}), True);
}

TEST(HitTests, DistanceOfFarApartPoints) {
  EXPECT_DOUBLE_EQ(Distance(Point{0, 0}, Point{3, -4}), 5.0);
  EXPECT_DOUBLE_EQ(Distance(Point{INT_MIN, 0}, Point{INT_MAX, 0}), 4294967295.0);
  EXPECT_DOUBLE_EQ(Distance(Point{INT_MIN, INT_MIN}, Point{INT_MAX, INT_MAX}),
                   4294967295.0 * std::sqrt(2.0));
}

}  // namespace
