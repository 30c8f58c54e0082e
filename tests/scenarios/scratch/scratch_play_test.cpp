// Scratch played through replay scripts: scratching with each coin, the Space key, the share
// reached by scratching, a scene played to its end, the Right arrow, the surprise scene.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "scratch_scenario.h"

namespace scratch_scenario {
namespace {

using scenario::Contains;
using scenario::Count;
using scenario::Picture;
using scenario::SameRegion;

const std::string kSilence = "sound 1 1 Sfx\\Silence.wav";

// Pixels of the rectangle that differ between two pictures.
int Differing(const platform::Surface& a, const platform::Surface& b, int x, int y, int w, int h) {
  int n = 0;
  for (int yy = y; yy < y + h; ++yy) {
    for (int xx = x; xx < x + w; ++xx)
      n += platform::GetPixel(a, xx, yy) != platform::GetPixel(b, xx, yy);
  }
  return n;
}

TEST(Scratch, EachCoinUncoversItsSquareOnlyWhileAButtonIsHeldAndTheCardHidesTheSprites) {
  const auto surface = Picture("Gfx/Scratch/ScratchSurface.bmp");
  const auto oasis = Picture("Gfx/Scratch/Oasis/Oasis.bmp");
  for (int size : {36, 56, 76}) {
    Scenario s;
    Choose(s, size, 2, 75);
    // At (60, 300) the oasis shows its palm and dunes and no animal.
    // A second square over the hippo bathing at (85, 350).
    const Result r = s.Run(kOpen + "shot card.png\n" + Stroke({{60, 300}}) +
                           "move 600 450\nmove 620 460\nwait 1500\nshot after.png\n" +
                           Stroke({{155, 396}}) + "wait 20\nshot hippo.png\n");
    const auto card = s.Shot("card.png"), after = s.Shot("after.png");
    EXPECT_TRUE(SameRegion(card, surface, 0, 0, 800, 530)) << size;
    const int left = 60 - size / 2, top = 300 - size / 2;
    EXPECT_TRUE(SameRegion(after, oasis, left, top, size, size)) << size;
    // Not one pixel more.
    EXPECT_TRUE(SameRegion(after, surface, left - 1, top, 1, size)) << size;
    EXPECT_TRUE(SameRegion(after, surface, left + size, top, 1, size)) << size;
    EXPECT_TRUE(SameRegion(after, surface, left, top - 1, size, 1)) << size;
    EXPECT_TRUE(SameRegion(after, surface, left, top + size, size, 1)) << size;
    // The pointer moved without a button: nothing there changed.
    EXPECT_TRUE(SameRegion(after, surface, 500, 380, 200, 120)) << size;
    EXPECT_TRUE(SceneSounds(r).empty()) << size;
    // The card hides the sprites at their starting places: the hippo shows over the pool.
    const auto shot = s.Shot("hippo.png");
    const auto hippo = Picture("Gfx/Scratch/Oasis/Hippo.bmp");
    const auto mask = Picture("Gfx/Scratch/Oasis/HippoMask.bmp");
    int opaque = 0, wrong = 0;
    for (int y = 396 - size / 2; y < 396 - size / 2 + size; ++y) {
      for (int x = 155 - size / 2; x < 155 - size / 2 + size; ++x) {
        const bool onHippo = platform::GetPixel(mask, x - 85, y - 350) == 0;
        opaque += onHippo;
        wrong +=
            platform::GetPixel(shot, x, y) != (onHippo ? platform::GetPixel(hippo, x - 85, y - 350)
                                                       : platform::GetPixel(oasis, x, y));
      }
    }
    EXPECT_GT(opaque, size * size / 4) << size;
    EXPECT_EQ(wrong, 0) << size;
  }
}

TEST(Scratch, SpaceUncoversCellAfterCellThenTheSceneComesAliveAtOnce) {
  Scenario s;
  Choose(s, 76, 3, 75);  // 12 cells of 200 x 200
  // A held key uncovers one cell; each further press one more.
  std::string script = kOpen + "keydown Space\nwait 20\nkeydown Space\nwait 20\nkeyup Space\n" +
                       "wait 20\nshot c1.png\n";
  for (int k = 2; k <= 12; ++k)
    script += "key Space\nwait 20\nshot c" + std::to_string(k) + ".png\n";
  script += "wait 300\nkey Space\nwait 50\nshot alive.png\nwait 100\n";
  const Result r = s.Run(script);

  const auto surface = Picture("Gfx/Scratch/ScratchSurface.bmp");
  for (int k = 1; k <= 12; ++k) {
    const auto shot = s.Shot("c" + std::to_string(k) + ".png");
    int open = 0;
    for (int cell = 0; cell < 12; ++cell) {
      const int cx = cell % 4 * 200 + 90, cy = cell / 4 * 200 + 90;
      open += !SameRegion(shot, surface, cx, cy, 20, 20);
    }
    EXPECT_EQ(open, k) << "after press " << k;
  }
  // Every cell open: the next press ends the scratching at once, before the next measure.
  ASSERT_EQ(SceneSounds(r), (std::vector<std::string>{"Airport"}));
  EXPECT_TRUE(Contains(r.trace, "sound 1 1 Sfx\\Scratch\\Airport.wav"));
  const long shown = FirstTime(r, "show ScratchForm");
  const long alive = FirstTime(r, "sound 1 1 Sfx\\Scratch\\Airport.wav");
  EXPECT_GE(alive - shown, 700);
  EXPECT_LE(alive - shown, 900);
  EXPECT_TRUE(
      SameRegion(s.Shot("alive.png"), Picture("Gfx/Scratch/Airport/Airport.bmp"), 0, 0, 800, 190));
}

TEST(Scratch, ReachingTheShareBringsTheSceneToLifeUntilItEndsAndANewCardCovers) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  Choose(s, 76, 7, 25);  // the dollhouse, a quarter
  // 15 squares of 76 (18 %) do not reach a quarter; 30 (36 %) do.
  std::vector<std::pair<int, int>> first = Row(38, 38, 76, 10), second = Row(418, 114, 76, 5);
  first.insert(first.end(), {{38, 114}, {114, 114}, {190, 114}, {266, 114}, {342, 114}});
  const Result r =
      s.Run(kOpen + Stroke(first) + "wait 2000\n" + Stroke(second) + Stroke(Row(38, 190, 76, 10)) +
            "wait 1500\nshot alive.png\nwait 10500\nshot again.png\n" +
            // 30 squares (36 %) at once and the options at once, two seconds open: measuring
            // goes on a second after the dialog closed.
            Stroke(Row(38, 38, 76, 10)) + Stroke(Row(38, 114, 76, 10)) +
            Stroke(Row(38, 190, 76, 10)) + "key F1\nwait 2000\nkey Escape\nwait 1500\n" +
            // The stop button's edge, then leave and come back once more.
            "click 675 563\nwait 50\nkey Escape\nwait 300\n" + kOpen + "key Escape\nwait 300\n");
  ASSERT_EQ(SceneSounds(r), (std::vector<std::string>{"Dollhouse", "Dollhouse"}));
  const long closed = FirstTime(r, "unload ScratchFormOptions");
  const long again = scenario::TimesOf(r, "sound 1 1 Sfx\\Scratch\\Dollhouse.wav").back();
  EXPECT_GE(again - closed, 1000);
  EXPECT_LE(again - closed, 1020);
  const long shown = FirstTime(r, "show ScratchForm");
  const long alive = FirstTime(r, "sound 1 1 Sfx\\Scratch\\Dollhouse.wav");
  // Measured once a second: not after the first strokes, at most a second after the second.
  EXPECT_GE(alive - shown, 2000);
  EXPECT_LE(alive - shown, 3100);
  // Ten seconds of television and washing, then a fresh card over the same house.
  long over = -1;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    const long t = scenario::TimeOf(r.timed[i]);
    if (r.trace[i] == kSilence && t > alive && over < 0) over = t;
  }
  EXPECT_GE(over - alive, 10000);
  EXPECT_LE(over - alive, 10100);
  EXPECT_TRUE(SameRegion(s.Shot("alive.png"), Picture("Gfx/Scratch/Dollhouse/Dollhouse.bmp"), 0, 0,
                         600, 140));
  EXPECT_TRUE(
      SameRegion(s.Shot("again.png"), Picture("Gfx/Scratch/ScratchSurface.bmp"), 0, 0, 800, 530));
  EXPECT_EQ(Count(r.trace, "show ScratchFormOptions"), 1);
  EXPECT_EQ(Count(r.trace, "unload ScratchForm"), 2);  // the edge of the stop button did nothing
  EXPECT_TRUE(scenario::NoSurfaceLeaked(r, 2));
}

TEST(Scratch, TheRightArrowDuringTheSceneStartsItAgainFromTheBeginning) {
  Scenario s;
  s.SetExtraOptions("--frame-ms 20");
  Choose(s, 76, 11, 75);  // the harbour
  const Result r =
      s.Run(kOpen + Spaces(13, 20) + "wait 12000\nshot first.png\nwait 2000\nkey Right\n" +
            "wait 40\nshot card.png\nwait 500\nshot still.png\n" + Spaces(13, 20) +
            "wait 12000\nshot second.png\nclick 700 563\nwait 100\n");
  ASSERT_EQ(SceneSounds(r), (std::vector<std::string>{"Harbor", "Harbor"}));
  const auto surface = Picture("Gfx/Scratch/ScratchSurface.bmp");
  const auto card = s.Shot("card.png");
  EXPECT_TRUE(SameRegion(card, surface, 0, 0, 800, 530));
  EXPECT_TRUE(SameRegion(card, s.Shot("still.png"), 0, 0, 800, 600));  // nothing moves on it
  // Twelve seconds into each game the crane holds the container up in the same place, give or
  // take a pixel of timing.
  const auto first = s.Shot("first.png"), second = s.Shot("second.png");
  EXPECT_FALSE(SameRegion(first, Picture("Gfx/Scratch/Harbor/Harbor.bmp"), 0, 0, 800, 600));
  EXPECT_LT(Differing(first, second, 0, 0, 800, 600), 800 * 600 / 100);
  // The stop button ends the game in the middle of the scene, within a frame.
  EXPECT_TRUE(Contains(r.trace, "unload ScratchForm"));
  EXPECT_LE(scenario::TimeOf(r.timed.back()) - FirstTime(r, "unload ScratchForm"), 100);
}

TEST(Scratch, TheSurpriseDrawsAnotherSceneForEveryGame) {
  Scenario s;
  Choose(s, 76, 12, 75);
  std::string script = kOpen;
  for (int game = 0; game < 5; ++game) script += Spaces(13, 20) + "wait 100\nkey Right\nwait 50\n";
  // The sixth game is left with Escape while its scene plays.
  const Result r = s.Run(script + Spaces(13, 20) + "wait 100\nkey Escape\nwait 100\n");
  const auto sounds = SceneSounds(r);
  ASSERT_EQ(sounds.size(), 6u);
  const std::set<std::string> known = {"Space",  "Ocean",     "Jungle",      "Airport",
                                       "Castle", "Racing",    "Firestation", "Dollhouse",
                                       "Road",   "Christmas", "Cornfield",   "Harbor"};
  for (std::size_t i = 0; i < sounds.size(); ++i) {
    EXPECT_EQ(known.count(sounds[i]), 1u) << sounds[i];
    if (i > 0) {
      EXPECT_NE(sounds[i], sounds[i - 1]);
    }
  }
  EXPECT_GE(std::set<std::string>(sounds.begin(), sounds.end()).size(), 3u);
  EXPECT_TRUE(Contains(r.trace, "setting Scratch Scenario 12"));
  EXPECT_LE(scenario::TimeOf(r.timed.back()) - FirstTime(r, "unload ScratchForm"), 100);
}

TEST(Scratch, MissingPicturesAreReportedAndTheGameGoesOn) {
  struct Case {
    const char* missing;
    const char* box;
  };
  for (const Case c : {Case{"Gfx/Scratch/ScratchSurface.bmp", "Failed to scratch surface images"},
                       Case{"Gfx/Buttons/Options.bmp", "Failed to load button images"}}) {
    Scenario s;
    Choose(s, 76, 0, 75);
    const Result r = s.Run(kOpen + Spaces(13, 20) + "wait 500\nkey Escape\nwait 100\n", 0,
                           s.ProgramWithout(c.missing));
    EXPECT_TRUE(Contains(r.trace, std::string("box Kidplay|") + c.box)) << c.missing;
    EXPECT_EQ(SceneSounds(r), (std::vector<std::string>{"Space"})) << c.missing;
    EXPECT_TRUE(Contains(r.trace, "unload ScratchForm")) << c.missing;
  }
}

}  // namespace
}  // namespace scratch_scenario
