// Sprite motion, frame stepping and the name look-up the scene scripts rely on.
#include "games/scratch/sprite_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "scene_driver.h"

namespace {

using GameUtil::Sprite;

Sprite Strip(int frames, int duration, int first, bool reverse = false) {
  Sprite s;
  s.frameCount = frames;
  s.frameDuration = duration;
  s.frame = first;
  s.visible = GameUtil::True;
  s.reverse = reverse ? GameUtil::True : GameUtil::False;
  return s;
}

// The frames shown at each of `steps` steps of `stepMs`, from clock `start`.
std::vector<int> Frames(Sprite s, int steps, int stepMs, std::int32_t start = 1000) {
  std::vector<int> frames;
  s.lastFrameTime = start;
  std::int32_t now = start;
  for (int i = 0; i < steps; ++i) {
    now = static_cast<std::int32_t>(static_cast<std::uint32_t>(now) + stepMs);
    scratch::StepFrame(s, now);
    frames.push_back(s.frame);
  }
  return frames;
}

TEST(ScratchSprites, FramesStepForwardsAndBackwardsWithWrapAround) {
  // One step only once more than the frame time has passed: 100 ms steps of a 100 ms strip
  // change every other step.
  EXPECT_EQ(Frames(Strip(3, 100, 0), 8, 100), (std::vector<int>{0, 1, 1, 2, 2, 0, 0, 1}));
  EXPECT_EQ(Frames(Strip(3, 100, 0), 4, 101), (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(Frames(Strip(4, 50, 1, true), 5, 60), (std::vector<int>{0, 3, 2, 1, 0}));
  // Across the clock's 32-bit wrap the frames go on as before.
  EXPECT_EQ(Frames(Strip(3, 100, 0), 4, 101, 0x7FFFFF00), (std::vector<int>{1, 2, 0, 1}));
}

// Strips that run back and forth: the Road's smoke runs 2, 1, 0 and round again, its bird flaps
// 0, 1, 2, 1, 0.
TEST(ScratchSprites, TheRoadSmokeRunsTwoOneZeroAndTheBirdFlapsBackAndForth) {
  scratch_test::SceneDriver d;
  d.NewGame(8, 1);
  const Sprite& smoke = d.Sprite("Smoke");
  const Sprite& bird = d.Sprite("Bird");
  std::vector<int> smokes{smoke.frame}, birds{bird.frame};
  while (smokes.size() < 7 || birds.size() < 9) {
    d.Step(10);
    if (smoke.frame != smokes.back()) smokes.push_back(smoke.frame);
    if (bird.frame != birds.back()) birds.push_back(bird.frame);
  }
  smokes.resize(7);
  birds.resize(9);
  EXPECT_EQ(smokes, (std::vector<int>{2, 1, 0, 2, 1, 0, 2}));
  EXPECT_EQ(birds, (std::vector<int>{0, 1, 2, 1, 0, 1, 2, 1, 0}));
}

TEST(ScratchSprites, StillAndHiddenSpritesNeverStep) {
  // The Christmas moon has a frame time but no frames.
  scratch_test::SceneDriver d;
  d.NewGame(9, 1);
  for (int i = 0; i < 300; ++i) d.Step(10);
  EXPECT_EQ(d.Sprite("Moon").frame, 0);
  EXPECT_EQ(d.Sprite("Moon").frameDuration, 200);
  // The Castle's hidden drawbridge and flags stay on frame 0 while the crocodile swims.
  d.NewGame(4, 1);
  for (int i = 0; i < 300; ++i) d.Step(10);
  EXPECT_EQ(d.scene.phase(), 0);
  EXPECT_EQ(d.Sprite("Drawbridge").frame, 0);
  EXPECT_EQ(d.Sprite("Flags").frame, 0);

  // A hidden sprite still moves.
  Sprite s = Strip(3, 10, 0);
  s.visible = GameUtil::False;
  s.vx = 100;
  s.vy = -50;
  scratch::MoveSprite(s, 0.5);
  scratch::StepFrame(s, 100000);
  EXPECT_DOUBLE_EQ(s.x, 50);
  EXPECT_DOUBLE_EQ(s.y, -25);
  EXPECT_EQ(s.frame, 0);
}

TEST(ScratchSprites, FindSpriteGivesTheLastEntryWithTheExactName) {
  scratch::SpriteTable table;
  table[0].name = "Rock";
  table[3].name = "Rock";
  table[5].name = "Ship";
  EXPECT_EQ(scratch::FindSprite(table, "Rock"), 3);
  EXPECT_EQ(scratch::FindSprite(table, "Ship"), 5);
  EXPECT_EQ(scratch::FindSprite(table, "ship"), -1);
  EXPECT_EQ(scratch::FindSprite(table, "Smoke"), -1);
}

}  // namespace
