// The media channel's command strings over a clock the test moves: the ones the games send
// ("open F TYPE waveaudio  ALIAS A", "play A", "status A length|position", "close all") and the
// refusals that answer without a number.
#include <gtest/gtest.h>

#include "platform/audio.h"
#include "platform/sound/sound_files.h"

namespace {

using soundtest::ToneWav;

bool IsNumber(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

class MediaChannel : public ::testing::Test {
 protected:
  MediaChannel() {
    dir_.Write("Sfx\\MusicGame\\Song0.wav", ToneWav(1500));
    dir_.Write("Sfx\\MusicGame\\Cheers.wav", ToneWav(400));
    dir_.Write("Sfx\\My Song.wav", ToneWav(250));
    dir_.Write("Sfx\\Broken.wav", soundtest::MakeWav({}, {}, 100000));
  }

  int Send(const std::string& command) { return sound_.SendCommand(command, &reply_); }
  // The reply to a status request, or "(error N: reply)" when it fails.
  std::string Status(const std::string& alias, const std::string& item) {
    const int rc = Send("status " + alias + " " + item);
    return rc == 0 ? reply_ : "(error " + std::to_string(rc) + ": " + reply_ + ")";
  }
  // Both status requests fail without a number in the reply.
  bool Closed(const std::string& alias) {
    for (const char* item : {"length", "position"}) {
      reply_ = "1";
      if (Send("status " + alias + " " + item) == 0 || IsNumber(reply_)) return false;
    }
    return true;
  }

  soundtest::TempDir dir_;
  soundtest::FakeClock clock_;
  platform::SoundSystem sound_{clock_.Hooks(dir_), false};
  std::string reply_;
};

TEST_F(MediaChannel, LengthAndPositionFollowTheClockFromPlay) {
  ASSERT_EQ(Send("close all"), 0);  // nothing open is not an error
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav TYPE waveaudio  ALIAS myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "length"), "1500");
  clock_.now += 300;
  EXPECT_EQ(Status("myAudio", "position"), "0");  // not played yet
  ASSERT_EQ(Send("play myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "position"), "0");
  for (const auto& [ms, position] : {std::pair{400, "400"},
                                     {1099, "1499"},
                                     {1, "1500"},
                                     {60000, "1500"}}) {  // never past the end
    clock_.now += ms;
    EXPECT_EQ(Status("myAudio", "position"), position);
  }
  EXPECT_EQ(Status("myAudio", "length"), "1500");
  // Stop holds the position; every play starts again from the beginning.
  ASSERT_EQ(Send("play myAudio"), 0);
  clock_.now += 700;
  ASSERT_EQ(Send("stop myAudio"), 0);
  clock_.now += 5000;
  EXPECT_EQ(Status("myAudio", "position"), "700");
  ASSERT_EQ(Send("play myAudio"), 0);
  clock_.now += 20;
  EXPECT_EQ(Status("myAudio", "position"), "20");
  ASSERT_EQ(Send("play myAudio"), 0);  // while playing, too
  EXPECT_EQ(Status("myAudio", "position"), "0");
}

// The parser is lenient where the command language is (letter case, blanks, quoted names) and
// refuses what it cannot read (an unclosed quote, a name with a blank unquoted).
TEST_F(MediaChannel, KeywordsAndNamesIgnoreLetterCaseBlanksMayBeQuoted) {
  ASSERT_EQ(Send("  OPEN   Sfx\\MusicGame\\Cheers.wav type WaveAudio alias MyAudio "), 0);
  EXPECT_EQ(Status("MYAUDIO", "LENGTH"), "400");
  EXPECT_EQ(Send("Play   myaudio"), 0);
  clock_.now += 50;
  EXPECT_EQ(Send("STATUS\tmyAudio\tPosition"), 0);
  EXPECT_EQ(reply_, "50");
  EXPECT_EQ(Send("Close MYAUDIO"), 0);
  EXPECT_TRUE(Closed("myAudio"));

  ASSERT_EQ(Send("open \"Sfx\\My Song.wav\" type waveaudio alias song"), 0);
  EXPECT_EQ(Status("song", "length"), "250");
  EXPECT_NE(Send("open \"Sfx\\My Song.wav type waveaudio alias other"), 0);  // unclosed quote
  EXPECT_NE(Send("open Sfx\\My Song.wav type waveaudio alias other"), 0);
  EXPECT_TRUE(Closed("other"));
}

TEST_F(MediaChannel, AliasesAreOpenedOnceAndClosedOneByOneOrAll) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav TYPE waveaudio  ALIAS myAudio"), 0);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio ALIAS cheer"), 0);
  EXPECT_NE(Send("open Sfx\\MusicGame\\Cheers.wav alias MYAUDIO"), 0);  // in use
  EXPECT_EQ(Status("myAudio", "length"), "1500");
  ASSERT_EQ(Send("play cheer"), 0);
  clock_.now += 10;
  EXPECT_EQ(Send("close myAudio"), 0);
  EXPECT_TRUE(Closed("myAudio"));
  EXPECT_EQ(Status("cheer", "position"), "10");
  EXPECT_NE(Send("close myAudio"), 0);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav TYPE waveaudio  ALIAS myAudio"), 0);
  ASSERT_EQ(Send("play myAudio"), 0);
  ASSERT_EQ(Send("close all"), 0);
  EXPECT_TRUE(Closed("myAudio") && Closed("cheer"));
  EXPECT_NE(Send("play myAudio"), 0);
  // The alias can be opened again, with another file; a file that cannot be opened leaves
  // nothing under the alias.
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio  ALIAS myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "length"), "400");
  ASSERT_EQ(Send("close all"), 0);
  for (const char* file : {"Sfx\\Missing.wav", "Sfx\\Broken.wav"}) {
    EXPECT_NE(Send(std::string("open ") + file + " TYPE waveaudio  ALIAS myAudio"), 0) << file;
    EXPECT_TRUE(Closed("myAudio")) << file;
    EXPECT_NE(Send("play myAudio"), 0) << file;
  }
}

TEST_F(MediaChannel, MalformedOrUnknownCommandsFailWithoutANumber) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias m"), 0);
  for (const char* command :
       {"", "   ", "pause m", "status m", "status m mode", "status m length extra", "play",
        "play m now", "close", "open", "open Sfx\\MusicGame\\Cheers.wav type cdaudio alias c",
        "open Sfx\\MusicGame\\Cheers.wav alias", "open Sfx\\MusicGame\\Cheers.wav shareable",
        "open Sfx\\MusicGame\\Cheers.wav alias all", "status \"m length", "status x length"}) {
    reply_ = "x";
    EXPECT_NE(Send(command), 0) << command;
    EXPECT_FALSE(IsNumber(reply_)) << command;
  }
  EXPECT_TRUE(Closed("c") && Closed("all"));
  EXPECT_EQ(Status("m", "length"), "1500");  // still open and unchanged
  // Without a reply buffer status still answers.
  EXPECT_EQ(sound_.SendCommand("status m length", nullptr), 0);
  EXPECT_NE(sound_.SendCommand("status x length", nullptr), 0);
}

TEST_F(MediaChannel, MediaAndWaveChannelsAreIndependent) {
  namespace F = platform::SoundFlags;
  dir_.Write("Sfx\\Loop.wav", ToneWav(100));
  ASSERT_EQ(sound_.PlaySound("Sfx\\Loop.wav", F::kAsync | F::kLoop), 1);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio  ALIAS myAudio"), 0);
  ASSERT_EQ(Send("play myAudio"), 0);
  clock_.now += 100;
  ASSERT_EQ(sound_.PlaySound("Sfx\\MusicGame\\Song0.wav", F::kSync), 1);
  EXPECT_EQ(Status("myAudio", "position"), "400");  // 1.6 s passed in the synchronous sound
  ASSERT_EQ(sound_.PlaySound("Sfx\\Loop.wav", F::kAsync | F::kLoop), 1);
  EXPECT_EQ(Send("close all"), 0);
  clock_.now += 10000;
  EXPECT_TRUE(sound_.WavePlaying());
}

}  // namespace
