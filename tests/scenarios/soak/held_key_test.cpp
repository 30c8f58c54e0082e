// A key held down repeats its key-down. The repeats belong to the screen where the key went
// down: Escape held to leave a game must not go on to end the program at the menu, and Escape
// held to close an options dialog must not go on to leave the game.
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

TEST(HeldKeys, EscapeHeldInAGameLeavesItAndTheMenuStays) {
  // Light paint ends on the key's character, the Maze on its key-down, the Dots too.
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

TEST(HeldKeys, EscapeHeldInAnOptionsDialogClosesOnlyTheDialog) {
  // The Maze's options open with F1 (held a moment: its key-up goes to the dialog).
  Scenario s;
  const Result r = s.Run("wait 1000\nclick 400 325\nwait 2000\n" + Hold("F1", 600, 10) +
                         "wait 500\n" + Hold("Escape", 600, 30) + "wait 1000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_TRUE(Contains(r.trace, "unload MazeOptions"));
  EXPECT_FALSE(Contains(r.trace, "unload MazeForm"));
  EXPECT_EQ(Count(r.trace, "show MenuForm"), 1);
}

TEST(HeldKeys, EnterHeldAtTheMenuStartsTheGameAndDoesNothingInIt) {
  // Space four times moves the highlight to the Maze, Enter held starts it; the repeats must not
  // reach the Maze, where Enter walks the figure on.
  Scenario s;
  const Result r = s.Run("wait 1000\nkey Space\nkey Space\nkey Space\nkey Space\nwait 300\n" +
                         Hold("Enter", 600, 30) + "wait 1000\n");
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(Count(r.trace, "show MazeForm"), 1);
  EXPECT_FALSE(Contains(r.trace, "sound 1 1 Sfx\\Maze\\Move.wav"));
  EXPECT_FALSE(Contains(r.trace, "sound 1 1 Sfx\\Maze\\WallHit.wav"));
}

}  // namespace
}  // namespace scenario
