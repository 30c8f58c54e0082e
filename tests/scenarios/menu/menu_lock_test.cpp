// The grown-up lock, by --lock or Lock=1 in section "Program" of the settings: only a press held
// two seconds on the stop button ends the program from the menu.
#include <gtest/gtest.h>

#include <string>

#include "platform/colour.h"
#include "shell/hold_ring.h"
#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

// The menu's loop runs from 10500; the stop button's picture covers (738..787, 538..587) and
// the ring around it reaches to (727..798, 527..598).
constexpr int kRingX = 725, kRingY = 527, kRingW = 75, kRingH = 73;
const std::string kOnStop = "move 763 563\n";

enum class Lock { kCommandLine, kSettings };

void Locked(Scenario& s, Lock lock) {
  if (lock == Lock::kCommandLine) {
    s.SetExtraOptions("--lock");
  } else {
    WriteSettings(s, "[Maze]\nSkill=1\n[Program]\nLock=1\n");
  }
}

bool RingGone(const Scenario& s, const std::string& shot) {
  return SameRegion(s.Shot("menu.png"), s.Shot(shot), kRingX, kRingY, kRingW, kRingH);
}

// Each test locks one way: --lock, or Lock=1 in the settings.
TEST(MenuLock, APressLetGoEarlyOrMovedOffTheButtonDoesNothing) {
  Scenario s;
  Locked(s, Lock::kSettings);
  const Result r = s.Run("wait 600\nshot menu.png\n" + kOnStop +
                         // Let go after a second: the ring goes, the time does not count on.
                         "down\nwait 1000\nshot held.png\nup\nwait 20\nshot released.png\n"
                         "wait 1500\ndown\nwait 1500\nup\n"
                         // Moved off and back while held: the press has ended for good.
                         "down\nwait 1000\nmove 763 530\nwait 20\nshot off.png\n" +
                         kOnStop +
                         "wait 1500\nshot back.png\nup\n"
                         // A press that starts beside the button and slides onto it.
                         "move 730 563\ndown\nwait 20\n" +
                         kOnStop + "wait 2500\nshot slid.png\nup\nwait 20\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.trace.back(), "end");
  EXPECT_EQ(Count(r.trace, "unload MenuForm"), 0);
  EXPECT_FALSE(RingGone(s, "held.png"));
  for (const char* shot : {"released.png", "off.png", "back.png", "slid.png"}) {
    EXPECT_TRUE(RingGone(s, shot)) << shot;
  }

  // Still held while Space and Enter launch a game and Escape leaves it: back in the menu,
  // that press does not count.
  const Result launched = s.Run(kOnStop +
                                "wait 600\ndown\nkey Space\nkey Enter\nwait 300\n"
                                "key Escape\nwait 3000\nup\nwait 10\n");
  EXPECT_EQ(Count(launched.trace, "unload DominoTrainForm"), 1);
  EXPECT_EQ(launched.trace.back(), "end");
}

// Locked: Escape and a click on the stop button do nothing, a game still leaves by its stop
// button, and a press held two seconds ends the program while the ring fills.
TEST(MenuLock, EscapeAndAClickDoNothingGamesStillLeaveAndAPressHeldTwoSecondsEnds) {
  Scenario s;
  Locked(s, Lock::kCommandLine);
  // Escape and a click on the stop button; then the Domino train, left by its stop button;
  // back in the menu the lock still holds until the long press, from 11800, never let go.
  const Result r = s.Run(
      "wait 600\nshot menu.png\nkey Escape\nwait 50\nclick 763 563\n"
      "wait 50\nshot clicked.png\nclick 250 150\nwait 300\nclick 700 562\n"
      "wait 700\nkey Escape\nclick 763 563\nwait 100\nshot back.png\n"
      "down\nwait 1000\nshot half.png\nwait 1500\n");
  ASSERT_EQ(r.status, 0);
  // The click neither ended the program nor opened the About view.
  EXPECT_TRUE(SameRegion(s.Shot("menu.png"), s.Shot("clicked.png"), 0, 165, 800, 435));
  EXPECT_EQ(Count(r.trace, "show DominoTrainForm"), 1);
  EXPECT_EQ(Count(r.trace, "unload DominoTrainForm"), 1);
  EXPECT_EQ(Count(r.trace, "show MenuForm"), 2);
  EXPECT_TRUE(SameRegion(s.Shot("menu.png"), s.Shot("back.png"), 0, 165, 800, 435));
  EXPECT_EQ(r.trace.back(), "quit");
  EXPECT_EQ(Count(r.trace, "unload MenuForm"), 1);
  // The pass that sees the two seconds ends the loop; the program quits after its pump.
  EXPECT_EQ(TimeOf(r.timed.back()), 11800 + 2000 + 10);
  // Half way (990 ms held): filled clockwise from the top past three o'clock, not yet at nine.
  const auto half = s.Shot("half.png");
  EXPECT_EQ(platform::GetPixel(half, 794, 563), shell::kRingFill);
  EXPECT_EQ(platform::GetPixel(half, 731, 563), shell::kRingTrack);
  EXPECT_EQ(platform::GetPixel(half, 763, 597), shell::kRingOutline);
  // The button itself is drawn as before, inside the ring.
  EXPECT_TRUE(SameRegion(s.Shot("menu.png"), half, 745, 545, 36, 36));
}

// Only Lock=1 in the section "Program" locks the menu; anything else leaves Escape working.
TEST(MenuLock, OnlyLockOneInTheProgramSectionLocks) {
  const char* unlocked[] = {
      "",  // no settings file at all
      "[Program]\nLock=0\n",
      "[Program]\nLock=2\n",
      "[Program]\nLock=yes\n",
      "[Program]\nLock=1.0\n",
      "[Program]\nLock=\n",
      "[Program]\nLocked=1\n",
      "[Maze]\nLock=1\n",
      "\x01\xff[Program\nLock=1\n",
  };
  for (const char* text : unlocked) {
    SCOPED_TRACE(text);
    Scenario s;
    if (*text) WriteSettings(s, text);
    const Result r = s.Run("wait 600\nkey Escape\nwait 50\n");
    EXPECT_EQ(r.trace.back(), "quit");
    EXPECT_EQ(TimeOf(r.timed.back()), 10000 + 600);
  }
  // Blanks around the value are the file's layout, not the value.
  Scenario s;
  WriteSettings(s, "[ Program ]\n Lock = 1 \n");
  const Result r = s.Run("wait 600\nkey Escape\nwait 50\n");
  EXPECT_EQ(r.trace.back(), "end");
}

}  // namespace
}  // namespace scenario
