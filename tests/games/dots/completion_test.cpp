// The completion animation's arithmetic: the same frames, places and timings wherever the 32-bit
// clock stands, also across its wrap, and small numbers even for the largest picture allowed.
#include "games/dots/completion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using dots::Completion;
using dots::DotPicture;

struct Pass {
  int frame;
  int x;
  int y;
  bool due;
};

// Runs the loop from the clock reading `start` in steps of `step` ms until the next picture is
// due (or `passes` run out) and records every pass.
std::vector<Pass> Play(DotPicture picture, std::int32_t start, int step, int passes = 2000) {
  Completion c = dots::StartCompletion(start);
  std::vector<Pass> out;
  for (int i = 1; i <= passes; ++i) {
    const auto now = static_cast<std::int32_t>(static_cast<std::uint32_t>(start) +
                                               static_cast<std::uint32_t>(i * step));
    const bool due = dots::AdvanceCompletion(c, picture, now);
    const dots::CompletionDraw at = dots::CompletionPlace(c, picture);
    out.push_back({c.animFrame, at.x, at.y, due});
    if (due) break;
  }
  return out;
}

DotPicture Picture(double moveX, int frames, int ticks, bool loop) {
  DotPicture p;
  p.offsetX = 100;
  p.offsetY = 50;
  p.pictureWidth = 200;
  p.pictureHeight = 100;
  p.moveX = moveX;
  p.animFrames = frames;
  p.animTicks = ticks;
  p.animLoop = loop;
  return p;
}

TEST(DotsCompletion, FramesMotionAndTheNextPictureGoByElapsedTimeAcrossTheClocksWrap) {
  const std::int32_t nearWrap = std::numeric_limits<std::int32_t>::max() - 3000;
  struct Case {
    DotPicture picture;
    int dueAfterMs;  // from the completion to the next picture
  };
  // Moving right at 140 px/s from 100: off the field past 800 after 5 s, then 3001 ms. Still:
  // 7001 ms, then 3001 ms. Moving left counts as still.
  const Case cases[] = {{Picture(140, 4, 100, true), 5010 + 3001},
                        {Picture(0, 3, 50, false), 7001 + 3001},
                        {Picture(-50, 1, 0, true), 7001 + 3001}};
  for (const Case& c : cases) {
    const auto plain = Play(c.picture, 1000, 10);
    ASSERT_TRUE(plain.back().due);
    EXPECT_GE(static_cast<int>(plain.size()) * 10, c.dueAfterMs);
    // Done and due are each seen at the first 10 ms pass after their moment.
    EXPECT_LT(static_cast<int>(plain.size()) * 10, c.dueAfterMs + 20);
    // Across the wrap everything happens alike.
    const auto wrapped = Play(c.picture, nearWrap, 10);
    ASSERT_EQ(wrapped.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
      EXPECT_EQ(wrapped[i].frame, plain[i].frame) << i;
      EXPECT_EQ(wrapped[i].x, plain[i].x) << i;
    }
  }
  // Frames: a looping strip runs 0..3 and again, one that does not stops on its last frame.
  const auto loop = Play(Picture(0, 4, 100, true), 0, 10, 60);
  EXPECT_EQ(loop[10].frame, 1);
  EXPECT_EQ(loop[50].frame, 0);
  const auto once = Play(Picture(0, 3, 50, false), 0, 10, 60);
  EXPECT_EQ(once[59].frame, 2);
  // The motion: 140 px/s for 1 s.
  EXPECT_EQ(Play(Picture(140, 1, 0, true), 0, 10, 100).back().x, 240);
}

TEST(DotsCompletion, TheLargestPictureAllowedAndALatePassKeepThePlacesSmall) {
  DotPicture p =
      Picture(dots::DotPictureLimits::kMaxSpeed, dots::DotPictureLimits::kMaxFrames, 0, true);
  p.pictureWidth = dots::DotPictureLimits::kMaxSide;
  p.offsetX = -dots::DotPictureLimits::kMaxOffset;
  // One pass almost a month late.
  Completion c = dots::StartCompletion(0);
  for (std::int32_t now : {5, std::numeric_limits<std::int32_t>::max(), -5}) {
    dots::AdvanceCompletion(c, p, now);
    const auto at = dots::CompletionPlace(c, p);
    EXPECT_LE(at.frameLeft, dots::DotPictureLimits::kMaxSide * dots::DotPictureLimits::kMaxFrames);
    EXPECT_LE(at.x, 1000000);
    EXPECT_GE(at.x, -1000000);
  }
}

}  // namespace
