// What the window shows, and when: the menu's still picture at once, and a frame only when the
// picture changed (headless with --trace-frames, which decides frames as a window does).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

// The times of the frames between two times (inclusive).
std::vector<long> FramesBetween(const Result& r, long from, long to) {
  std::vector<long> times = TimesOf(r, "frame");
  std::erase_if(times, [&](long t) { return t < from || t > to; });
  return times;
}

// The menu's still picture shows at once, and again on coming back from a game, while the
// start timer, the jingle and the logo keep their times.
TEST(MenuFrames, TheStillPictureShowsAtOnceAndTheTimerJingleAndLogoKeepTheirTimes) {
  Scenario s;
  s.SetExtraOptions("--trace-frames");
  // The loop starts at 10500, its first letter comes at 11010; a game round trip follows.
  const Result r = s.Run(
      "wait 10\nshot still.png\nwait 590\nshot loop.png\n"
      "click 250 150\nwait 100\nkey Escape\nwait 10\nshot back.png\nwait 600\nkey Escape\n"
      "wait 10\n");
  ASSERT_EQ(r.status, 0);
  // The first frame is the menu's picture, shown when the menu is, not when the loop starts.
  ASSERT_FALSE(FramesBetween(r, 10000, 10000).empty());
  const auto still = s.Shot("still.png");
  EXPECT_TRUE(SameRegion(still, s.Shot("loop.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(still, Picture("Gfx/Menu/Bg.bmp"), 0, 160, 40, 80));
  // Back from a game: the still picture again while the timer runs (the first icon now has
  // the hover frame: the pointer is still on it).
  const auto back = s.Shot("back.png");
  EXPECT_TRUE(SameRegion(still, back, 0, 0, 150, 600));
  EXPECT_TRUE(SameRegion(still, back, 350, 0, 450, 600));
  // The timer and the jingle keep their times: 500 ms after each showing.
  const std::vector<long> jingles = TimesOf(r, "sound 1 1 Sfx\\Menu\\menu_once0.wav");
  const std::vector<long> shown = TimesOf(r, "show MenuForm");
  ASSERT_EQ(jingles.size(), 2u);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(jingles[0], 10500);
  EXPECT_EQ(jingles[1], shown[1] + 500);
}

// An idle menu and pointer moves that change nothing show no frame; the hover frame shows once.
TEST(MenuFrames, AnIdleMenuAndPointerMovesThatChangeNothingShowNoFrames) {
  Scenario s;
  s.SetExtraOptions("--trace-frames");
  // The logo is gone at 18510; from 19000 on the loop redraws the same picture.
  std::string script = "wait 9000\n";
  for (int i = 0; i < 100; ++i) script += "move " + std::to_string(10 + i % 30) + " 200\nwait 10\n";
  script += "move 400 325\nwait 100\n";  // onto the Maze icon: its frame shows
  for (int i = 0; i < 50; ++i) script += "move " + std::to_string(350 + i) + " 300\nwait 10\n";
  script += "wait 3000\nkey Escape\nwait 10\n";
  const Result r = s.Run(script);
  ASSERT_EQ(r.status, 0);
  EXPECT_FALSE(FramesBetween(r, 11000, 18600).empty());  // the logo moves
  EXPECT_TRUE(FramesBetween(r, 18600, 20000).empty());   // moves over the background
  EXPECT_EQ(FramesBetween(r, 20000, 20100).size(), 1u);  // the hover frame
  EXPECT_TRUE(FramesBetween(r, 20101, 23599).empty());   // moves within the icon, then idle
}

// The Dots show frames only while a line is dragged, at most one a display refresh.
TEST(MenuFrames, DotsShowsFramesForADragOnlyAndAtMostOneARefresh) {
  Scenario s;
  s.SetExtraOptions("--trace-frames");
  std::string script = "wait 600\nclick 150 325\nwait 400\n";  // Dots, shown at 10600
  for (int i = 0; i < 100; ++i) script += "move " + std::to_string(100 + i) + " 100\nwait 5\n";
  // A drag from the fish's first dot: the line follows every move.
  script += "move 632 311\ndown\nup\n";
  for (int i = 0; i < 100; ++i) {
    script += "move " + std::to_string(600 - i) + " 300\nmove " + std::to_string(601 - i) +
              " 301\nwait 5\n";
  }
  script += "wait 100\nkey Escape\nwait 600\nkey Escape\nwait 10\n";
  const Result r = s.Run(script);
  ASSERT_EQ(r.status, 0);
  EXPECT_TRUE(FramesBetween(r, 11001, 11499).empty());  // moves without a drag
  const std::vector<long> drag = FramesBetween(r, 11500, 12100);
  // 200 moves in 500 ms redraw 200 times; at most one frame a refresh shows them.
  EXPECT_GE(drag.size(), 20u);
  EXPECT_LE(drag.size(), (12100u - 11500u) / 16 + 1);
  for (std::size_t i = 1; i < drag.size(); ++i) EXPECT_GE(drag[i] - drag[i - 1], 16);
}

}  // namespace
}  // namespace scenario
