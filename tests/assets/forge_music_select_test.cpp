// Parts of a note file: the options a music entry takes in the manifest and the notes a part
// keeps.
#include <gtest/gtest.h>

#include <cmath>

#include "../../assets/forge/music_select.h"
#include "manifest_text.h"

namespace forge {
namespace {

// The options a music entry takes in the manifest (the wrong ones are refused with the other bad
// manifest lines).
TEST(ForgeMusicPart, TheManifestTakesTheOptionsOfAPart) {
  const auto entries = test::Parse({{"m.txt",
                                     "Sfx/A/solo.wav music - a/song.music channels=10,1 "
                                     "beats=8-16.5 tail=0.5 soundfont=musescore level=-19\n"
                                     "Sfx/A/s.wav music - a/s.music\n"}});
  ASSERT_EQ(entries.size(), 2u);
  const MusicSelection s = ReadMusicSelection(entries[0].musicOptions);
  EXPECT_EQ(s.channels, (std::vector<int>{10, 1}));
  EXPECT_TRUE(s.from == 8 && s.to == 16.5 && s.tail == 0.5 && s.level == -19);
  EXPECT_EQ(s.soundFont, "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3");
  // Without options: every channel, every beat, the note file's tail and the usual SoundFont.
  const MusicSelection plain = ReadMusicSelection(entries[1].musicOptions);
  EXPECT_TRUE(plain.channels.empty() && plain.to < 0 && plain.tail < 0 && plain.level == 0);
  EXPECT_TRUE(plain.soundFont.empty());
}

Score ThreeChannels() {
  Score s;
  s.tail = 1.5;
  s.notes = {{10, 0, 1, 36, 100}, {1, 0, 2, 60, 90},    {2, 3, 4, 40, 80},
             {1, 4, 1, 62, 90},   {10, 7.5, 1, 38, 70}, {1, 8, 1, 64, 90}};
  return s;
}

// A part keeps the notes of its channels that start in its beats, moved to its start and
// cut at its end; a part with no notes is an error.
TEST(ForgeMusicPart, APartKeepsTheNotesStartingInItsRangeMovedToTheStartAndCut) {
  MusicSelection s;
  s.channels = {1, 2};
  s.from = 2;
  s.to = 8;
  const Score part = SelectPart(ThreeChannels(), s, "song.music");
  ASSERT_EQ(part.notes.size(), 2u);
  // The bass note from beat 3 is 4 beats long and ends inside the range, at 7.
  EXPECT_TRUE(part.notes[0].channel == 2 && part.notes[0].start == 1 && part.notes[0].length == 4);
  EXPECT_TRUE(part.notes[1].channel == 1 && part.notes[1].start == 2 && part.notes[1].length == 1);
  EXPECT_EQ(part.length, 6);  // the whole range, even where it is silent
  EXPECT_EQ(part.tail, 1.5);

  s.channels = {2};
  s.from = 3;
  s.to = 5;
  s.tail = 0.25;
  const Score cut = SelectPart(ThreeChannels(), s, "song.music");
  ASSERT_EQ(cut.notes.size(), 1u);
  EXPECT_EQ(cut.notes[0].length, 2);  // cut at the end of the range
  EXPECT_EQ(cut.tail, 0.25);

  // Without a range: every beat to the end of the music; without channels: all of them.
  const Score whole = SelectPart(ThreeChannels(), MusicSelection{}, "song.music");
  EXPECT_EQ(whole.notes.size(), 6u);
  EXPECT_EQ(whole.length, 9);

  // A range that holds nothing of the chosen channels is an error naming the file.
  s.channels = {10};
  s.from = 1;
  s.to = 7;
  try {
    SelectPart(ThreeChannels(), s, "song.music");
    FAIL() << "no error";
  } catch (const ForgeError& e) {
    EXPECT_EQ(std::string(e.what()).rfind("song.music: ", 0), 0u) << e.what();
  }
}

}  // namespace
}  // namespace forge
