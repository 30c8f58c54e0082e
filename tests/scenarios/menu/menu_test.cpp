// The picture menu, driven as a child would drive it, through replay scripts.
#include <gtest/gtest.h>

#include <string>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// The menu shows at 10000 + seed; its loop starts 500 ms later and draws every 10 ms. A shot
// taken at time T shows the frame drawn at T - 10.
constexpr const char* kGames[8] = {"DominoTrainForm", "CollectorForm",     "DotsForm",
                                   "MazeForm",        "PicturePuzzleForm", "LightPaintForm",
                                   "MusicGameForm",   "ScratchForm"};
constexpr int kIconCentre[8][2] = {{250, 150}, {550, 150}, {150, 325}, {400, 325},
                                   {650, 325}, {175, 500}, {400, 500}, {625, 500}};
const std::string kJingle = "sound 1 1 Sfx\\Menu\\menu_once0.wav";
const std::string kSoundIcon = "click 760 500\n";

std::string Click(int icon) {
  return "click " + std::to_string(kIconCentre[icon][0]) + " " +
         std::to_string(kIconCentre[icon][1]) + "\n";
}

// The rectangle a logo letter can cover while it bobs.
bool LetterRegionSame(const platform::Surface& a, const platform::Surface& b, int letter) {
  return SameRegion(a, b, 110 * letter + 15, 0, 110, 161);
}

// The virtual clock starts at 10000 + seed, so this seed has GetTimeMs wrap from 2^31 - 1 to
// -2^31 three seconds into the run: in the middle of the logo's letters.
constexpr unsigned kWrapSeed = 2147483648u - 10000 - 3000;

// The logo's letters come one by one and go in reverse on their timings, the same before and
// across the clock's wrap; across it too, the About view, the sound switch and every game come
// back to a live menu holding as many surfaces as when it first showed.
TEST(Menu, TheLogoKeepsItsTimingsAndEveryScreenComesBackAcrossTheClocksWrap) {
  const std::string logo =
      "wait 1010\nshot a.png\nwait 10\nshot b.png\n"   // letter 0 shows at 11010, not 11000
      "wait 3050\nshot c.png\nwait 10\nshot d.png\n"   // letter 6 at 14070
      "wait 1430\nshot e.png\nwait 10\nshot f.png\n"   // letter 6 goes at 15510
      "wait 2990\nshot g.png\nwait 10\nshot h.png\n";  // letter 0 goes at 18510
  std::string screens = "click 20 200\nwait 50\nclick 20 200\nwait 50\n" + kSoundIcon +
                        "wait 50\n" + kSoundIcon + "wait 50\n";
  for (int icon = 0; icon < 8; ++icon) screens += Click(icon) + "wait 300\nkey Escape\nwait 700\n";
  Scenario s;
  const Result before = s.Run(logo + "wait 10\n", 0, {}, "before");
  const Result r = s.Run(logo + screens + "key Escape\nwait 50\n", kWrapSeed, {}, "wrapped");
  ASSERT_EQ(before.status, 0);
  ASSERT_EQ(r.status, 0) << r.errors;

  const auto shot = [&](const char* file) { return s.Shot(file, "before"); };
  const auto a = shot("a.png"), b = shot("b.png"), c = shot("c.png"), d = shot("d.png");
  const auto e = shot("e.png"), f = shot("f.png"), g = shot("g.png"), h = shot("h.png");
  EXPECT_FALSE(LetterRegionSame(a, b, 0));  // letter 0 appeared
  EXPECT_TRUE(LetterRegionSame(a, b, 1));   // letter 1 not yet
  EXPECT_TRUE(LetterRegionSame(a, c, 6));   // letter 6 still hidden at 14060
  EXPECT_FALSE(LetterRegionSame(c, d, 6));  // and there at 14070
  EXPECT_FALSE(LetterRegionSame(e, h, 6));  // letter 6 still there at 15500
  EXPECT_TRUE(LetterRegionSame(f, h, 6));   // gone at 15510: background only
  EXPECT_FALSE(LetterRegionSame(g, h, 0));  // letter 0 is the last to go, at 18510
  EXPECT_TRUE(LetterRegionSame(a, h, 0));
  for (const char* file :
       {"a.png", "b.png", "c.png", "d.png", "e.png", "f.png", "g.png", "h.png"}) {
    EXPECT_TRUE(SameRegion(shot(file), s.Shot(file, "wrapped"), 0, 0, 800, 600)) << file;
  }

  EXPECT_EQ(r.trace.back(), "quit");
  // The first showing, the sound switched on again, and back from every game.
  EXPECT_EQ(Count(r.trace, kJingle), 10);
  for (const char* game : kGames) {
    EXPECT_EQ(Count(r.trace, "show " + std::string(game)), 1) << game;
    EXPECT_EQ(Count(r.trace, "unload " + std::string(game)), 1) << game;
  }
  const std::vector<int> counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 9u);
  for (std::size_t i = 1; i < counts.size(); ++i) EXPECT_EQ(counts[i], counts[0]) << i;
}

// Enter with no highlight does nothing; Space (the first one held, so the keyboard repeats it:
// it acts once) steps the highlight over every icon and round again, and Enter launches the
// highlighted game; the same script with the same seed gives the same trace and screens.
TEST(Menu, SpaceStepsTheHighlightAndEnterLaunchesItTheSameEveryTime) {
  std::string script =
      "wait 600\nkey Enter\nwait 20\nshot none.png\n"
      "keydown Space\nwait 50\nkeydown Space\nkeydown Space\nkeyup Space\nwait 20\nshot 0.png\n";
  for (int i = 1; i < 9; ++i) script += "key Space\nwait 20\nshot " + std::to_string(i) + ".png\n";
  script +=
      "key Space\nkey Space\nkey Space\nkey Enter\n"  // the twelfth press: the Maze
      "wait 300\nkey Up\nkey Left\nshot maze.png\nkey Escape\nwait 900\nshot back.png\n"
      "key Escape\nwait 10\n";
  Scenario s;
  const Result one = s.Run(script, 7, {}, "one");
  const Result two = s.Run(script, 7, {}, "two");
  EXPECT_EQ(Count(one.trace, "show MazeForm"), 1);
  EXPECT_EQ(Count(one.trace, "show MenuForm"), 2);  // nothing else was launched
  const auto none = s.Shot("none.png", "one");
  for (int i = 0; i < 9; ++i) {
    const auto shot = s.Shot(std::to_string(i) + ".png", "one");
    for (int j = 0; j < 8; ++j) {
      // The highlight frame lies on the icon's own rectangle.
      const bool same =
          SameRegion(none, shot, kIconCentre[j][0] - 100, kIconCentre[j][1] - 75, 200, 150);
      EXPECT_EQ(same, i % 8 != j) << "after " << i + 1 << " presses, icon " << j;
    }
  }
  EXPECT_EQ(one.timed, two.timed);
  for (const char* file : {"none.png", "3.png", "maze.png", "back.png"}) {
    EXPECT_TRUE(SameRegion(s.Shot(file, "one"), s.Shot(file, "two"), 0, 0, 800, 600)) << file;
  }
}

// The About view opens on a click on the background (the stop button's border is background)
// or F1, and closes on the next click or key; a click inside the stop button ends the program.
TEST(Menu, AboutOpensOnTheBackgroundAndClosesOnTheNextClickOrKey) {
  Scenario s;
  const Result r = s.Run(
      "wait 9000\nshot menu.png\n"
      "click 20 200\nwait 20\nshot about.png\n" +
      Click(3) +
      "wait 20\nshot closed.png\n"  // closes the About view, launches nothing
      "key F1\nwait 20\nshot about2.png\nkey A\nwait 20\nshot closed2.png\nwait 10\n"
      "click 737 537\nwait 50\nshot about3.png\nclick 738 538\nwait 50\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.trace.back(), "quit");
  EXPECT_EQ(TimeOf(r.timed.back()), 10000 + 9140);  // the click inside the stop button
  EXPECT_FALSE(Contains(r.trace, "show MazeForm"));
  const auto menu = s.Shot("menu.png"), about = s.Shot("about.png");
  EXPECT_FALSE(SameRegion(menu, about, 100, 180, 600, 420));
  EXPECT_TRUE(SameRegion(menu, s.Shot("closed.png"), 0, 165, 800, 435));
  EXPECT_TRUE(SameRegion(about, s.Shot("about2.png"), 100, 180, 600, 420));
  EXPECT_TRUE(SameRegion(menu, s.Shot("closed2.png"), 0, 165, 800, 435));
  EXPECT_TRUE(SameRegion(about, s.Shot("about3.png"), 100, 180, 600, 420));
}

// Off, everything stops and nothing sounds, in the menu or a game; on, the jingle starts again.
TEST(Menu, TheSoundIconStopsEverySoundUntilItRestartsTheJingle) {
  Scenario s;
  const Result r = s.Run("wait 1000\n" + kSoundIcon + "wait 50\n" + Click(3) +
                         "wait 300\nkey Right\nkey Up\nkey Left\nkey Escape\nwait 700\n" +
                         kSoundIcon + "wait 100\n");
  ASSERT_EQ(Count(r.trace, kJingle), 2);
  ASSERT_TRUE(Contains(r.trace, "unload MazeForm"));
  std::size_t first = 0;
  while (r.trace[first] != kJingle) ++first;
  ASSERT_LT(first + 2, r.trace.size());
  EXPECT_EQ(r.trace[first + 1], "sound 1 1 Sfx\\Silence.wav");
  EXPECT_EQ(r.trace[first + 2], "mci close all");
  std::size_t again = first + 3;
  for (; r.trace[again] != kJingle; ++again) EXPECT_NE(r.trace[again].rfind("sound ", 0), 0u);
  EXPECT_EQ(TimeOf(r.timed[again]), 10000 + 1000 + 50 + 300 + 700);  // at the second click
}

}  // namespace
}  // namespace scenario
