// The twelve scene scripts played without a window from their start states.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "games/scratch/scene_table.h"
#include "scene_driver.h"

namespace {

using scratch::StepResult;
using scratch_test::SceneDriver;

// How long each scene plays, from the motions the scene table gives (seconds).
struct Length {
  int scene;
  double least;
  double most;
};
const Length kLengths[] = {
    {0, 7.8, 8.1},     // the rocket: 365 - 75 t^2 < -4350
    {1, 7.0, 16.2},    // the yellow fish crosses at 50-99 px/s from x 0-99
    {2, 13.6, 13.8},   // the snake: 820 px at 60 px/s
    {3, 12.3, 12.6},   // stair 1.9 s, baggage train 6.5 s, take-off 4 s
    {4, 12.7, 13.4},   // crocodile 7.25 s, bridge 0.5 s, flags 2.5 s, then 2.5 s
    {5, 16.6, 16.8},   // the helicopter: 668 px at 40 px/s
    {6, 13.4, 13.6},   // the ladder truck: 743 px at 55 px/s
    {7, 9.9, 10.1},    // ten seconds
    {8, 17.4, 17.6},   // the steamer: 350 px at 20 px/s
    {9, 9.9, 10.1},    // Santa: 500 px at 50 px/s
    {10, 20.9, 21.1},  // the rabbit: 420 px at 20 px/s
    {11, 48.5, 51.0},  // the harbour's six phases
};

TEST(ScratchScripts, EverySceneEndsByItselfOverManySeedsAndFrameRates) {
  for (const Length& l : kLengths) {
    for (int stepMs : {7, 10, 16, 33}) {
      for (unsigned seed = 1; seed <= 12; ++seed) {
        // Some runs cross the clock's 32-bit wrap on the way.
        SceneDriver d(seed % 3 == 0 ? 0x7FFFFFFFll - 6000 : 50000);
        d.NewGame(l.scene, seed);
        ASSERT_TRUE(d.PlayToEnd(stepMs, 120000))
            << scratch::SceneTable()[l.scene].folder << " seed " << seed << " step " << stepMs;
        const double seconds = d.elapsedMs / 1000.0;
        EXPECT_GE(seconds, l.least) << scratch::SceneTable()[l.scene].folder << " seed " << seed;
        EXPECT_LE(seconds, l.most + stepMs / 1000.0)
            << scratch::SceneTable()[l.scene].folder << " seed " << seed << " step " << stepMs;
        EXPECT_EQ(d.reports, 0);
      }
    }
  }
}

TEST(ScratchScripts, TheCastleStampsTheLoweredBridgeAndTheRaisedFlags) {
  SceneDriver d;
  d.NewGame(4, 1);
  std::set<int> phases;
  long flagsStampedAt = 0;
  while (d.Step(10) == StepResult::Going) {
    phases.insert(d.scene.phase());
    if (d.stamps.size() == 2 && flagsStampedAt == 0) flagsStampedAt = d.elapsedMs;
    if (d.scene.phase() >= 2) {
      EXPECT_NE(d.Sprite("Drawbridge").visible, GameUtil::True);
      EXPECT_EQ(d.Sprite("Drawbridge").frame, 3);
    }
    ASSERT_LT(d.elapsedMs, 60000);
  }
  EXPECT_EQ(phases, (std::set<int>{0, 1, 2, 3}));
  ASSERT_EQ(d.stamps.size(), 2u);
  EXPECT_EQ(d.stamps[0].name, "Drawbridge");
  EXPECT_EQ(d.stamps[0].frame, 3);
  EXPECT_EQ(d.stamps[1].name, "Flags");
  EXPECT_EQ(d.stamps[1].frame, 6);
  EXPECT_NE(d.Sprite("Flags").visible, GameUtil::True);
  // The scene ends 2.5 s after the flags are up.
  EXPECT_GE(d.elapsedMs - flagsStampedAt, 2500);
  EXPECT_LE(d.elapsedMs - flagsStampedAt, 2520);
}

TEST(ScratchScripts, TheFireStationDoorStaysOpenInThePicture) {
  SceneDriver d;
  d.NewGame(6, 1);
  for (int i = 0; i < 500; ++i) d.Step(10);
  ASSERT_EQ(d.stamps.size(), 1u);  // once, when it is open
  EXPECT_EQ(d.stamps[0].name, "Door");
  EXPECT_EQ(d.stamps[0].frame, 4);
  EXPECT_NE(d.Sprite("Door").visible, GameUtil::True);
  EXPECT_EQ(d.Sprite("Light").visible, GameUtil::True);
}

TEST(ScratchScripts, TheHarbourGoesThroughItsPhasesInOrder) {
  SceneDriver d;
  d.NewGame(11, 1);
  std::vector<int> phases{0};
  double containerX = 0, containerY = 0;
  while (d.Step(10) == StepResult::Going) {
    if (d.scene.phase() != phases.back()) {
      phases.push_back(d.scene.phase());
      if (d.scene.phase() == 4) {
        // The copy behind the hull takes the lifted container's place.
        EXPECT_EQ(d.Sprite("Container2").visible, GameUtil::True);
        EXPECT_NE(d.Sprite("Container").visible, GameUtil::True);
        containerX = d.Sprite("Container2").x;
        containerY = d.Sprite("Container2").y;
        EXPECT_LE(containerX, 80);
        EXPECT_LE(containerY + 0, 40);
      }
    }
    ASSERT_LT(d.elapsedMs, 120000);
  }
  EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(d.scene.phase(), 0);  // the script puts it back as it ends
  EXPECT_LT(d.Sprite("Ship").x + 1031, 0);
}

// Cut short in the middle (the Right arrow), each scene starts again at phase 0 and plays its
// whole length: no deadline or phase is left over from the game before.
TEST(ScratchScripts, ANewGameStartsAtPhaseZeroWithFreshDeadlines) {
  struct Cut {
    int scene, ms, phase;  // the phase reached when cut short (-1: not checked)
  };
  for (const Cut c : {Cut{4, 9000, 2}, Cut{7, 3000, -1}, Cut{9, 5000, -1}, Cut{11, 22000, 3}}) {
    SceneDriver d;
    d.NewGame(c.scene, 1);
    for (int t = 0; t < c.ms; t += 10) d.Step(10);
    if (c.phase >= 0) {
      EXPECT_EQ(d.scene.phase(), c.phase) << c.scene;
    }
    d.NewGame(c.scene, 2, 2000);
    EXPECT_EQ(d.scene.phase(), 0) << c.scene;
    ASSERT_TRUE(d.PlayToEnd(10, 120000)) << c.scene;
    const Length& l = kLengths[c.scene];
    EXPECT_GE(d.elapsedMs / 1000.0, l.least) << c.scene;
    EXPECT_LE(d.elapsedMs / 1000.0, l.most) << c.scene;
  }
}

TEST(ScratchScripts, OceanBubblesComeBackAtAnAnimalRisingAtHalfTheSpeed) {
  SceneDriver d;
  d.NewGame(1, 3);
  GameUtil::Sprite& bubble = d.Sprite("Bubble1");
  int returns = 0;
  double lastSpeed = bubble.vy;
  while (d.Step(10) == StepResult::Going && returns < 3) {
    if (bubble.vy != lastSpeed) {
      EXPECT_DOUBLE_EQ(bubble.vy, lastSpeed / 2);
      lastSpeed = bubble.vy;
      ++returns;
      // It now sits half way down one of the four animals.
      bool atAnimal = false;
      for (const char* name : {"BlueFish", "Shark", "YellowFish", "Crab"}) {
        const GameUtil::Sprite& a = d.Sprite(name);
        atAnimal |= std::abs(bubble.y - (a.y + a.frameHeight / 2.0)) < 2;
      }
      EXPECT_TRUE(atAnimal) << bubble.y;
    }
  }
  EXPECT_GE(returns, 1);
}

TEST(ScratchScripts, TheRaceCarsSpeedUpAsFastAtAnyFrameRate) {
  std::vector<double> times;
  for (int stepMs : {5, 16, 40}) {
    SceneDriver d;
    d.NewGame(5, 4);
    while (d.Sprite("YellowCar").vx > -400) d.Step(stepMs);
    times.push_back(d.elapsedMs / 1000.0);
  }
  // 320 px/s more at 50-99 px/s each second: some 3.2 to 6.4 seconds.
  for (double t : times) {
    EXPECT_GT(t, 3.0);
    EXPECT_LT(t, 6.6);
  }
  EXPECT_NEAR(times.front(), times.back(), 0.6);
}

TEST(ScratchScripts, AMissingSpriteIsReportedOnceAndNeverLookedUpAsMinusOne) {
  for (int scene = 0; scene < scratch::kSceneCount; ++scene) {
    const auto& spec = scratch::SceneTable()[scene];
    for (std::size_t gone = 0; gone < spec.sprites.size(); ++gone) {
      SceneDriver d;
      GameUtil::Randomize(1);
      d.scene.Load(scene, nullptr);
      d.scene.sprites()[gone].name = "Gone";
      d.scene.Start(GameUtil::GetTimeMs(), [&d] { ++d.reports; });
      bool ended = false;
      for (int i = 0; i < 200 && !ended; ++i) ended = d.Step(10) == StepResult::Ended;
      EXPECT_LE(d.reports, 1) << spec.folder << " without " << spec.sprites[gone].name;
    }
  }
}

}  // namespace
