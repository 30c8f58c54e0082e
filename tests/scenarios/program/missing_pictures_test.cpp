// A missing picture puts up one box the first time a run needs it; every later screen that
// loads it draws the gap without another box, so a child is never stuck behind a pile of boxes.
#include <gtest/gtest.h>

#include <string>

#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

const std::string kMaze = "click 400 325\nwait 300\n";
const std::string kDots = "click 150 325\nwait 100\n";
const std::string kBack = "key Escape\nwait 700\n";

// A removed menu, game and options picture: one box a run, however often it is loaded, and
// the games still open.
TEST(MissingPictures, EachIsReportedOnceARunHoweverOftenItIsLoaded) {
  struct Case {
    const char* missing;
    std::string play;  // loads the picture many times: menu showings, new rounds, dialogs
    std::string box;
    std::string game;
  };
  std::string maze = "wait 600\n" + kMaze;
  for (int i = 0; i < 4; ++i) maze += "click 760 500\nwait 30\n";  // Next: a new maze
  maze += kBack + kMaze + kBack + kMaze + kBack;
  std::string dots = "wait 600\n" + kDots;
  for (int i = 0; i < 3; ++i) dots += "key F1\nwait 50\nkey Escape\nwait 50\n";
  dots += kBack + kDots + "key F1\nwait 50\nkey Escape\nwait 50\n" + kBack;
  const Case cases[] = {
      {"Gfx/Menu/Bg.bmp", "wait 600\n" + kMaze + kBack + kDots + kBack + kMaze + kBack,
       "box Error|Menu:Failed to load image: Gfx\\Menu\\Bg.bmp", "show MazeForm"},
      {"Gfx/Maze/MouseMenu.bmp", maze,
       "box Error|Maze:Failed to load image: Gfx\\Maze\\MouseMenu.bmp", "show MazeForm"},
      {"Gfx/Buttons/DistanceEasy.bmp", dots,
       "box Error|Dots:Failed to load image: Gfx\\Buttons\\DistanceEasy.bmp", "show DotsForm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.missing);
    Scenario s;
    const auto program = s.ProgramWithout(c.missing);
    // Two launches of the program: each run reports the file once.
    for (const char* run : {"one", "two"}) {
      const Result r = s.Run(c.play + "key Escape\nwait 50\n", 0, program, run);
      ASSERT_EQ(r.status, 0);
      EXPECT_EQ(r.trace.back(), "quit");
      EXPECT_EQ(Count(r.trace, c.box), 1) << run;
      EXPECT_EQ(CountPrefix(r, "box "), 1) << run;
      EXPECT_TRUE(Contains(r.trace, c.game)) << run;  // and the games still open
    }
  }
}

}  // namespace
}  // namespace scenario
