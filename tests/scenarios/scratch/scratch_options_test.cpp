// The Scratch options dialog through replay scripts: share, coin and scene, cancel and Escape
// changing nothing, the choice stored and read back at the next launch.
#include <gtest/gtest.h>

#include <string>

#include "scratch_scenario.h"

namespace scratch_scenario {
namespace {

using scenario::Contains;
using scenario::Count;
using scenario::Picture;
using scenario::SameRegion;

// The dialog lies centred: (140, 65), 520 x 470. Screen places of its controls:
const std::string kOptionsButton = "click 763 563\nwait 50\n";
const std::string kShare25 = "click 250 137\nwait 20\n";
const std::string kCoinLarge = "click 550 261\nwait 20\n";
const std::string kLeft = "click 240 391\nwait 20\n";
const std::string kRight = "click 560 391\nwait 20\n";
const std::string kOk = "click 325 493\nwait 50\n";
const std::string kCancel = "click 475 493\nwait 50\n";
// The scene picture sits in the middle of its box, at (336, 343), 128 x 96.
constexpr int kIconX = 336, kIconY = 343;

bool Selected(const platform::Surface& shot, int optionLeft, int optionTop) {
  return scenario::Ringed(shot, optionLeft - 3, optionTop + 40);
}

bool ShowsIcon(const platform::Surface& shot, int scene) {
  const auto icon = Picture("Gfx/Scratch/ScenarioIcon" + std::to_string(scene) + ".bmp");
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 128; ++x) {
      if (platform::GetPixel(shot, kIconX + x, kIconY + y) != platform::GetPixel(icon, x, y))
        return false;
    }
  }
  return true;
}

TEST(ScratchOptions, CancelAndEscapeChangeNothingAndOkStartsTheChosenGame) {
  Scenario s;
  const Result r = s.Run(kOpen + "shot card.png\n" + kOptionsButton + "shot first.png\n" + kLeft +
                         "shot left.png\n" + kShare25 + kCoinLarge + kCancel + "shot back.png\n" +
                         "key F1\nwait 50\n" + kShare25 + "key Escape\nwait 50\n" +
                         "shot back2.png\nkey F1\nwait 50\n" + kShare25 + kCoinLarge + kRight +
                         kRight + kRight + "shot chosen.png\n" + kOk + Stroke({{400, 100}}) +
                         "wait 20\nshot airport.png\nkey Escape\nwait 100\n");
  // The first time: half the card, the medium coin, the space scene.
  const auto first = s.Shot("first.png");
  EXPECT_TRUE(Selected(first, 140 + 205, 65 + 28));
  EXPECT_FALSE(Selected(first, 140 + 55, 65 + 28));
  EXPECT_TRUE(Selected(first, 140 + 205, 65 + 152));
  EXPECT_TRUE(ShowsIcon(first, 0));
  EXPECT_TRUE(ShowsIcon(s.Shot("left.png"), 12));  // left of the first scene: the surprise
  // Cancel and Escape: the same card, no settings written, no new game.
  const auto card = s.Shot("card.png");
  EXPECT_TRUE(SameRegion(card, s.Shot("back.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(card, s.Shot("back2.png"), 0, 0, 800, 600));
  const auto chosen = s.Shot("chosen.png");
  EXPECT_TRUE(Selected(chosen, 140 + 55, 65 + 28));
  EXPECT_TRUE(Selected(chosen, 140 + 355, 65 + 152));
  EXPECT_TRUE(ShowsIcon(chosen, 3));  // three to the right of the space scene
  EXPECT_EQ(Count(r.trace, "show ScratchFormOptions"), 3);
  // OK: stored at once and again at the end, and a new game with the large coin at the airport.
  EXPECT_EQ(Count(r.trace, "setting Scratch Size 76"), 2);
  EXPECT_EQ(Count(r.trace, "setting Scratch Percent 25"), 2);
  EXPECT_EQ(Count(r.trace, "setting Scratch Scenario 3"), 2);
  EXPECT_FALSE(Contains(r.trace, "setting Scratch Percent 50"));
  const auto background = Picture("Gfx/Scratch/Airport/Airport.bmp");
  const auto airport = s.Shot("airport.png");
  EXPECT_TRUE(SameRegion(airport, background, 362, 62, 76, 76));
  EXPECT_FALSE(SameRegion(airport, background, 361, 62, 1, 76));
}

TEST(ScratchOptions, TheStoredChoiceComesBackAtTheNextLaunch) {
  Scenario s;
  Choose(s, 36, 9, 75);
  Result r = s.Run(kOpen + kOptionsButton + "shot stored.png\n" + kCancel + Spaces(26, 20) +
                   "wait 100\nkey Escape\nwait 100\n");
  const auto stored = s.Shot("stored.png");
  EXPECT_TRUE(Selected(stored, 140 + 355, 65 + 28));  // 75 %
  EXPECT_TRUE(Selected(stored, 140 + 55, 65 + 152));  // the small coin
  EXPECT_TRUE(ShowsIcon(stored, 9));
  // 25 cells for the small coin, then the Christmas scene.
  EXPECT_EQ(SceneSounds(r), (std::vector<std::string>{"Christmas"}));

  // Values outside their sets give the first-time choice.
  Choose(s, 40, 13, 30);
  r = s.Run(kOpen + kOptionsButton + "shot fresh.png\n" + kCancel + "key Escape\nwait 100\n");
  const auto fresh = s.Shot("fresh.png");
  EXPECT_TRUE(Selected(fresh, 140 + 205, 65 + 28));
  EXPECT_TRUE(Selected(fresh, 140 + 205, 65 + 152));
  EXPECT_TRUE(ShowsIcon(fresh, 0));
  EXPECT_TRUE(Contains(r.trace, "setting Scratch Size 56"));
  EXPECT_TRUE(Contains(r.trace, "setting Scratch Percent 50"));
  EXPECT_TRUE(Contains(r.trace, "setting Scratch Scenario 0"));
}

}  // namespace
}  // namespace scratch_scenario
