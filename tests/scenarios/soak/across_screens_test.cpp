// Input that began on one screen does not act on the next. A key held down repeats its key-down;
// the repeats belong to the screen where the key went down: Escape held to leave a game must not
// go on to end the program at the menu, and Escape held to close an options dialog must not go
// on to leave the game. A mouse button pressed in a game and let go after the game has ended is
// no click on the menu.
#include <gtest/gtest.h>

#include <string>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// The key goes down, and after the keyboard's delay repeats every 33 ms until it comes up.
std::string Hold(const std::string& key, int delayMs, int repeats) {
  std::string s = "keydown " + key + "\nwait " + std::to_string(delayMs) + "\n";
  for (int i = 0; i < repeats; ++i) s += "keydown " + key + "\nwait 33\n";
  return s + "keyup " + key + "\n";
}

// Escape held to leave a game does not go on to end the program at the menu: Light paint ends
// on the key's character, the Maze on its key-down, the Dots too.
TEST(HeldKeys, EscapeHeldInAGameLeavesItAndTheMenuStays) {
  for (const char* icon : {"175 500", "400 325", "150 325"}) {
    Scenario s;
    const Result r = s.Run(std::string("wait 1000\nclick ") + icon + "\nwait 2000\n" +
                           Hold("Escape", 700, 40) + "wait 2000\nclick 400 325\nwait 1000\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_FALSE(Contains(r.trace, "quit")) << icon;
    // The menu still answers: the last click starts the Maze.
    EXPECT_EQ(Count(r.trace, "show MenuForm"), 2) << icon;
    EXPECT_EQ(r.trace.back(), "end") << icon;
    EXPECT_TRUE(Contains(r.trace, "show MazeForm")) << icon;
  }
}

// Space four times moves the highlight to the Maze, Enter held starts it; the repeats must not
// reach the Maze, where Enter walks the figure on. There F1 held a moment opens the options
// (its key-up goes to the dialog), and Escape held closes the dialog but must not leave.
TEST(HeldKeys, EnterHeldAtTheMenuAndEscapeHeldInADialogActOnlyThere) {
  Scenario s;
  const Result r = s.Run("wait 1000\nkey Space\nkey Space\nkey Space\nkey Space\nwait 300\n" +
                         Hold("Enter", 600, 30) + "wait 1000\n" + Hold("F1", 600, 10) +
                         "wait 500\n" + Hold("Escape", 600, 30) + "wait 1000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(Count(r.trace, "show MazeForm"), 1);
  EXPECT_FALSE(Contains(r.trace, "sound 1 1 Sfx\\Maze\\Move.wav"));
  EXPECT_FALSE(Contains(r.trace, "sound 1 1 Sfx\\Maze\\WallHit.wav"));
  EXPECT_TRUE(Contains(r.trace, "unload MazeOptions"));
  EXPECT_FALSE(Contains(r.trace, "unload MazeForm"));
  EXPECT_EQ(Count(r.trace, "show MenuForm"), 1);
}

// The button goes down in Light paint over the place of the menu's Maze icon, or of its stop
// button (Light paint's own stop button lies there too); Escape leaves; the button comes up
// once the menu listens.
TEST(HeldButton, APressInAGameLetGoAtTheMenuIsNoClick) {
  for (const char* place : {"400 325", "760 560"}) {
    Scenario s;
    const Result r = s.Run(std::string("wait 1000\nclick 175 500\nwait 1500\nmove ") + place +
                           "\ndown\nkey Escape\nwait 1000\nup\nwait 1000\n");
    ASSERT_EQ(r.status, 0) << r.errors;
    EXPECT_EQ(r.trace.back(), "end") << place;
    EXPECT_FALSE(Contains(r.trace, "quit")) << place;
    EXPECT_FALSE(Contains(r.trace, "show MazeForm")) << place;
  }
}

// Pressed on the Scratch options dialog, let go outside it: once the dialog has gone, the
// pointer wandering over the card without a button must not scratch it open.
TEST(HeldButton, ReleasedOutsideADialogItIsHeldNoLonger) {
  std::string script =
      "wait 1000\nclick 625 500\nwait 1500\nkey F1\nwait 500\nmove 300 300\ndown\nmove 20 20\n"
      "up\nwait 200\nkey Escape\nwait 500\n";
  for (int y = 20; y < 600; y += 40) {
    for (int x = 20; x < 800; x += 40)
      script += "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
  }
  Scenario s;
  const Result r = s.Run(script + "wait 3000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_TRUE(Contains(r.trace, "unload ScratchFormOptions"));
  // No scene was revealed: it would have played its sound.
  for (const std::string& line : r.trace)
    EXPECT_EQ(line.find("Sfx\\Scratch\\"), std::string::npos) << line;
}

}  // namespace
}  // namespace scenario
