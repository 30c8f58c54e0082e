#include <cmath>
#include <set>

#include "fake_host.h"

namespace {

using namespace GameUtil;

TEST_F(GameUtilTest, ClockIsTheHostsMillisecondsWrappingAt32Bits) {
  host.now = 123456;
  EXPECT_EQ(GetTimeMs(), 123456);
  host.now = (std::int64_t{1} << 31) + 5;
  EXPECT_EQ(GetTimeMs(), INT32_MIN + 5);
}

TEST(Random, RangesStayWithinTheirBoundsAndReachEveryValue) {
  Randomize(1234.5);
  std::set<double> seen;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(RandomRange(1, 1), 1.0);
    seen.insert(RandomRange(0, 3));
  }
  EXPECT_EQ(seen, (std::set<double>{0, 1, 2, 3}));
  for (int i = 0; i < 20000; ++i) {
    const double v = RandomRange(-32768, 32767);
    ASSERT_TRUE(v >= -32768 && v <= 32767 && v == std::floor(v)) << v;
  }
  EXPECT_EQ(RandomRange(5, 2), 5.0);
}

TEST(Random, RndIsUniformIn24BitStepsAndSeedsRepeat) {
  Randomize(99);
  double sum = 0;
  float first[8];
  for (int i = 0; i < 20000; ++i) {
    const float r = Rnd();
    ASSERT_TRUE(r >= 0 && r < 1 && r * 16777216.0f == std::floor(r * 16777216.0f)) << r;
    if (i < 8) first[i] = r;
    sum += r;
  }
  EXPECT_NEAR(sum / 20000, 0.5, 0.01);
  Randomize(99);
  for (float f : first) EXPECT_EQ(Rnd(), f);
  Randomize(100);
  int same = 0;
  for (float f : first) same += Rnd() == f;
  EXPECT_LT(same, 8);
}

}  // namespace
