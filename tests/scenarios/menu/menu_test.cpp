// The picture menu, driven as a child would drive it, through replay scripts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// The menu shows at 10000; its loop starts 500 ms later and draws every 10 ms. A shot taken at
// time T shows the frame drawn at T - 10.
constexpr const char* kGames[8] = {"DominoTrainForm", "CollectorForm",     "DotsForm",
                                   "MazeForm",        "PicturePuzzleForm", "LightPaintForm",
                                   "MusicGameForm",   "ScratchForm"};
constexpr int kIconCentre[8][2] = {{250, 150}, {550, 150}, {150, 325}, {400, 325},
                                   {650, 325}, {175, 500}, {400, 500}, {625, 500}};
const std::string kJingle = "sound 1 1 Sfx\\Menu\\menu_once0.wav";

std::string Click(int icon) {
  return "click " + std::to_string(kIconCentre[icon][0]) + " " +
         std::to_string(kIconCentre[icon][1]) + "\n";
}

// The rectangle a logo letter can cover while it bobs.
bool LetterRegionSame(const platform::Surface& a, const platform::Surface& b, int letter) {
  return SameRegion(a, b, 110 * letter + 15, 0, 110, 161);
}

TEST(Menu, LettersComeOneByOneAndGoInReverseOnTheirTimings) {
  Scenario s;
  const Result r = s.Run(
      "wait 1010\nshot a.png\nwait 10\nshot b.png\n"  // letter 0 shows at 11010, not 11000
      "wait 3050\nshot c.png\nwait 10\nshot d.png\n"  // letter 6 at 14070
      "wait 1430\nshot e.png\nwait 10\nshot f.png\n"  // letter 6 goes at 15510
      "wait 2990\nshot g.png\nwait 10\nshot h.png\n"  // letter 0 goes at 18510
      "wait 10\n");
  ASSERT_EQ(r.status, 0);
  const auto a = s.Shot("a.png"), b = s.Shot("b.png"), c = s.Shot("c.png"), d = s.Shot("d.png");
  const auto e = s.Shot("e.png"), f = s.Shot("f.png"), g = s.Shot("g.png"), h = s.Shot("h.png");
  EXPECT_FALSE(LetterRegionSame(a, b, 0));  // letter 0 appeared
  EXPECT_TRUE(LetterRegionSame(a, b, 1));   // letter 1 not yet
  EXPECT_TRUE(LetterRegionSame(a, c, 6));   // letter 6 still hidden at 14060
  EXPECT_FALSE(LetterRegionSame(c, d, 6));  // and there at 14070
  EXPECT_FALSE(LetterRegionSame(e, h, 6));  // letter 6 still there at 15500
  EXPECT_TRUE(LetterRegionSame(f, h, 6));   // gone at 15510: background only
  EXPECT_FALSE(LetterRegionSame(g, h, 0));  // letter 0 is the last to go, at 18510
  EXPECT_TRUE(LetterRegionSame(a, h, 0));
}

TEST(Menu, SpaceStepsTheHighlightOverAllIconsAndEnterLaunchesIt) {
  Scenario s;
  std::string script = "wait 600\nshot none.png\n";
  for (int i = 0; i < 8; ++i) script += "key Space\nwait 20\nshot " + std::to_string(i) + ".png\n";
  script += "key Space\nkey Enter\nwait 100\n";  // ninth press: back to the first icon
  const Result r = s.Run(script);
  ASSERT_TRUE(Contains(r.trace, "show DominoTrainForm"));
  const auto none = s.Shot("none.png");
  for (int i = 0; i < 8; ++i) {
    const auto shot = s.Shot(std::to_string(i) + ".png");
    for (int j = 0; j < 8; ++j) {
      // The highlight frame lies on the icon's own rectangle.
      const bool same =
          SameRegion(none, shot, kIconCentre[j][0] - 100, kIconCentre[j][1] - 75, 200, 150);
      EXPECT_EQ(same, i != j) << "after " << i + 1 << " presses, icon " << j;
    }
  }

  Scenario fourth;
  const Result maze = fourth.Run(
      "wait 600\nkey Space\nkey Space\nkey Space\nkey Space\n"
      "key Enter\nwait 100\n");
  EXPECT_TRUE(Contains(maze.trace, "show MazeForm"));
}

TEST(Menu, EnterWithoutHighlightDoesNothingAndAHeldKeyActsOnce) {
  Scenario s;
  Result r = s.Run("wait 600\nkey Enter\nwait 600\n");
  EXPECT_EQ(Count(r.trace, "show MenuForm"), 1);
  EXPECT_EQ(r.trace.back(), "end");
  for (const auto& game : kGames) EXPECT_FALSE(Contains(r.trace, "show " + std::string(game)));

  r = s.Run(
      "wait 600\nkeydown Space\nwait 50\nkeydown Space\nkeydown Space\nkeyup Space\n"
      "key Enter\nwait 100\n");
  EXPECT_TRUE(Contains(r.trace, "show DominoTrainForm"));  // one step, not three
}

TEST(Menu, AboutOpensOnTheBackgroundAndClosesOnTheNextClickOrKey) {
  Scenario s;
  const Result r = s.Run(
      "wait 9000\nshot menu.png\n"
      "click 20 200\nwait 20\nshot about.png\n" +
      Click(3) +
      "wait 20\nshot closed.png\n"  // closes the About view, launches nothing
      "key F1\nwait 20\nshot about2.png\nkey A\nwait 20\nshot closed2.png\nwait 10\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_FALSE(Contains(r.trace, "show MazeForm"));
  const auto menu = s.Shot("menu.png"), about = s.Shot("about.png");
  EXPECT_FALSE(SameRegion(menu, about, 100, 180, 600, 420));
  EXPECT_TRUE(SameRegion(menu, s.Shot("closed.png"), 0, 165, 800, 435));
  EXPECT_TRUE(SameRegion(about, s.Shot("about2.png"), 100, 180, 600, 420));
  EXPECT_TRUE(SameRegion(menu, s.Shot("closed2.png"), 0, 165, 800, 435));
}

TEST(Menu, TheSoundIconStopsAndRestartsTheJingle) {
  Scenario s;
  const Result r = s.Run("wait 1000\nclick 760 500\nwait 100\nclick 760 500\nwait 100\n");
  ASSERT_EQ(Count(r.trace, kJingle), 2);
  // Off: everything stops; on: the jingle starts again.
  std::vector<std::string> after;
  bool seen = false;
  for (const auto& line : r.trace) {
    if (line == kJingle && !seen) {
      seen = true;
      continue;
    }
    if (seen) after.push_back(line);
  }
  ASSERT_GE(after.size(), 3u);
  EXPECT_EQ(after[0], "sound 1 1 Sfx\\Silence.wav");
  EXPECT_EQ(after[1], "mci close all");
  EXPECT_EQ(after[2], kJingle);
}

TEST(Menu, SoundSwitchedOffStaysOffInTheGames) {
  Scenario s;
  const Result r = s.Run("wait 600\nclick 760 500\nwait 50\n" + Click(3) +
                         "wait 300\nkey Right\nkey Up\nkey Left\nkey Escape\nwait 700\n");
  // After the switch: no sound reaches the wave channel, in the menu or the Maze.
  bool off = false;
  for (const auto& line : r.trace) {
    if (off) {
      EXPECT_NE(line.rfind("sound ", 0), 0u) << line;
    }
    if (line == "mci close all") off = true;
  }
  EXPECT_TRUE(Contains(r.trace, "unload MazeForm"));
}

TEST(Menu, EveryGameLaunchesAndComesBackToALiveMenu) {
  Scenario s;
  std::string script = "wait 600\n";
  for (int i = 0; i < 8; ++i) script += Click(i) + "wait 300\nkey Escape\nwait 700\n";
  script += "key Escape\nwait 50\n";
  const Result r = s.Run(script);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.trace.back(), "quit");
  EXPECT_EQ(Count(r.trace, kJingle), 9);  // first showing and after every game
  for (const auto& game : kGames) {
    EXPECT_EQ(Count(r.trace, "show " + std::string(game)), 1) << game;
    EXPECT_EQ(Count(r.trace, "unload " + std::string(game)), 1) << game;
  }
  EXPECT_EQ(Count(r.trace, "show MenuForm"), 9);
}

TEST(Menu, TheStopButtonsBorderIsOutsideAndEscapeQuits) {
  Scenario s;
  Result r = s.Run(
      "wait 600\nshot menu.png\nclick 737 537\nwait 50\nshot about.png\n"
      "click 738 538\nwait 50\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.trace.back(), "quit");
  EXPECT_EQ(TimeOf(r.timed.back()), 10000 + 650);  // the second click quit
  // The first click fell on the background and opened the About view.
  EXPECT_FALSE(SameRegion(s.Shot("menu.png"), s.Shot("about.png"), 100, 180, 600, 420));

  r = s.Run("wait 600\nkey Escape\nwait 50\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.trace.back(), "quit");
  EXPECT_EQ(TimeOf(r.timed.back()), 10000 + 600);
}

TEST(Menu, AMissingPictureGivesOneBoxAndTheMenuStillWorks) {
  Scenario s;
  const auto program = s.ProgramWithout("Gfx/Menu/Bg.bmp");
  const Result r = s.Run("wait 600\n" + Click(3) + "wait 200\n", 0, program);
  EXPECT_EQ(Count(r.trace, "box Error|Menu:Failed to load image: Gfx\\Menu\\Bg.bmp"), 1);
  int boxes = 0;
  for (const auto& line : r.trace) boxes += line.rfind("box ", 0) == 0;
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(Contains(r.trace, "show MazeForm"));
}

TEST(Menu, TheSameScriptGivesTheSameTraceAndScreens) {
  Scenario s;
  const std::string script = "wait 1234\nshot a.png\n" + Click(3) +
                             "wait 300\nkey Up\nkey Left\nshot b.png\nkey Escape\nwait 900\n"
                             "shot c.png\nkey Escape\nwait 10\n";
  const Result one = s.Run(script, 7, {}, "one");
  const Result two = s.Run(script, 7, {}, "two");
  EXPECT_EQ(one.timed, two.timed);
  for (const char* shot : {"a.png", "b.png", "c.png"}) {
    const auto x = s.Shot(shot, "one"), y = s.Shot(shot, "two");
    EXPECT_TRUE(SameRegion(x, y, 0, 0, 800, 600)) << shot;
  }
}

TEST(Menu, ASecondCopyEndsAtOnceAndLeavesTheFirstAlone) {
  Scenario s;
  // The first copy idles in its menu for a long virtual time: long enough in real time too.
  s.Start("wait 200000\nkey Escape\nwait 10\n", "first");
  // Wait until the first copy shows its menu, so it surely holds the lock.
  for (int tries = 0; tries < 1000; ++tries) {
    std::ifstream trace(s.dir() / "first.trace");
    const std::string text((std::istreambuf_iterator<char>(trace)), {});
    if (text.find("show MenuForm") != std::string::npos) break;
    ::usleep(10 * 1000);
  }
  const Result second = s.Run("wait 1000\nkey Escape\nwait 10\n", 0, {}, "second");
  const Result first = s.Wait("first");
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(second.timed, (std::vector<std::string>{"10000 unload MenuForm", "10000 quit"}));
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(first.trace.back(), "quit");
  EXPECT_TRUE(Contains(first.trace, "show MenuForm"));
}

}  // namespace
}  // namespace scenario
