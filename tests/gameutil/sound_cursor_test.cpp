#include "fake_host.h"

namespace {

using namespace GameUtil;

using Sounds = std::vector<std::pair<std::string, std::uint32_t>>;

TEST_F(GameUtilTest, SoundsPassOnlyWhileTheSwitchIsExactlyTrue) {
  EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Move.wav", 0, 17), 1);
  host.soundResult = 0;
  EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Gone.wav", 0, 131081), 0);
  EXPECT_EQ(host.sounds, (Sounds{{"Sfx\\Maze\\Move.wav", 17}, {"Sfx\\Maze\\Gone.wav", 131081}}));
  StopAllSounds();
  EXPECT_EQ(host.sounds.back(), (std::pair<std::string, std::uint32_t>{"Sfx\\Silence.wav", 1}));
  EXPECT_EQ(host.media, std::vector<std::string>{"close all"});

  host.sounds.clear();
  host.soundResult = 1;
  for (Boolean off : {False, Boolean{1}}) {
    Settings::soundOn = off;
    EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Move.wav", 0, 1), 0);
    StopAllSounds();
  }
  EXPECT_TRUE(host.sounds.empty());
  EXPECT_EQ(host.media, (std::vector<std::string>{"close all", "close all", "close all"}));
}

// Hidden ends at -1, shown at two above the count seen at the first call, however often.
TEST_F(GameUtilTest, CursorCountsSettleWhereverTheyStart) {
  for (int start : {0, 3, -5}) {
    ResetSavedState();
    host.cursorCount = start;
    SetCursorVisible(False);
    EXPECT_EQ(host.cursorCount, -1);
    SetCursorVisible(False);
    EXPECT_EQ(host.cursorCount, -1);
    SetCursorVisible(True);
    EXPECT_EQ(host.cursorCount, start + 2);
    SetCursorVisible(True);
    EXPECT_EQ(host.cursorCount, start + 2);
  }
  ResetSavedState();
  host.cursorCount = -5;
  SetCursorVisible(True);  // the first call saves -5, not the count after its own hide
  EXPECT_EQ(host.cursorCount, -3);
}

TEST_F(GameUtilTest, CursorGivesUpOnACountThatNeverMoves) {
  host.cursorStuck = true;
  SetCursorVisible(False);
  SetCursorVisible(True);
  EXPECT_GT(host.cursorCalls, 4);
  EXPECT_LT(host.cursorCalls, 1000000);
}

}  // namespace
