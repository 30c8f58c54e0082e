#include "fake_host.h"

namespace {

using namespace GameUtil;

using Sounds = std::vector<std::pair<std::string, std::uint32_t>>;

TEST_F(GameUtilTest, SoundsPassOnlyWhileTheSwitchIsExactlyTrue) {
  EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Move.wav", 0, 17), 1);
  host.soundResult = 0;
  EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Gone.wav", 0, 131081), 0);
  StopAllSounds();
  EXPECT_EQ(host.sounds, (Sounds{{"Sfx\\Maze\\Move.wav", 17},
                                 {"Sfx\\Maze\\Gone.wav", 131081},
                                 {"Sfx\\Silence.wav", 1}}));
  EXPECT_EQ(host.media, std::vector<std::string>{"close all"});

  host.sounds.clear();
  host.soundResult = 1;
  for (Boolean off : {False, Boolean{1}}) {
    Settings::soundOn = off;
    EXPECT_EQ(PlayGameSound("Sfx\\Maze\\Move.wav", 0, 1), 0);
    StopAllSounds();
  }
  EXPECT_TRUE(host.sounds.empty());
  EXPECT_EQ(host.media, std::vector<std::string>(3, "close all"));
}

// Hidden ends at -1, shown at two above the count seen at the first call, however often and
// whichever comes first.
TEST_F(GameUtilTest, CursorCountsSettleWhereverTheyStart) {
  const std::vector<Boolean> orders[] = {{False, False, True, True},
                                         {True, True, False, False, True}};
  for (int start : {0, 3, -5})
    for (const auto& order : orders) {
      SCOPED_TRACE(testing::Message() << "start " << start << ", first " << order[0]);
      ResetSavedState();
      host.cursorCount = start;
      for (Boolean visible : order) {
        SetCursorVisible(visible);
        EXPECT_EQ(host.cursorCount, visible == True ? start + 2 : -1);
      }
    }
}

TEST_F(GameUtilTest, CursorGivesUpOnACountThatNeverMoves) {
  host.cursorStuck = true;
  SetCursorVisible(False);
  SetCursorVisible(True);
  EXPECT_GT(host.cursorCalls, 4);
  EXPECT_LT(host.cursorCalls, 1000000);
}

}  // namespace
