// The media channel's command strings over a clock the test moves.
#include <gtest/gtest.h>

#include "platform/audio.h"
#include "platform/sound/sound_files.h"

namespace {

using platform::SoundSystem;
using soundtest::FakeClock;
using soundtest::TempDir;
using soundtest::ToneWav;

bool IsNumber(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

class MediaChannel : public ::testing::Test {
 protected:
  MediaChannel() : dir_(::testing::UnitTest::GetInstance()->current_test_info()->name()) {
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
  bool Closed(const std::string& alias) {
    for (const char* item : {"length", "position"}) {
      reply_ = "1";
      if (Send("status " + alias + " " + item) == 0 || IsNumber(reply_)) return false;
    }
    return true;
  }

  TempDir dir_;
  FakeClock clock_;
  SoundSystem sound_{clock_.Hooks(dir_), false};
  std::string reply_;
};

TEST_F(MediaChannel, LengthAndPositionFollowTheClockFromPlay) {
  ASSERT_EQ(Send("close all"), 0);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav TYPE waveaudio  ALIAS myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "length"), "1500");
  clock_.now += 300;
  EXPECT_EQ(Status("myAudio", "position"), "0");  // not played yet
  ASSERT_EQ(Send("play myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "position"), "0");
  clock_.now += 400;
  EXPECT_EQ(Status("myAudio", "position"), "400");
  clock_.now += 1099;
  EXPECT_EQ(Status("myAudio", "position"), "1499");
  clock_.now += 1;
  EXPECT_EQ(Status("myAudio", "position"), "1500");
  clock_.now += 60000;
  EXPECT_EQ(Status("myAudio", "position"), "1500");  // never past the end
  EXPECT_EQ(Status("myAudio", "length"), "1500");
}

TEST_F(MediaChannel, KeywordsAndAliasesIgnoreLetterCaseAndExtraBlanks) {
  ASSERT_EQ(Send("  OPEN   Sfx\\MusicGame\\Cheers.wav type WaveAudio alias MyAudio "), 0);
  EXPECT_EQ(Status("MYAUDIO", "LENGTH"), "400");
  EXPECT_EQ(Send("Play   myaudio"), 0);
  clock_.now += 50;
  EXPECT_EQ(Send("STATUS\tmyAudio\tPosition"), 0);
  EXPECT_EQ(reply_, "50");
  EXPECT_EQ(Send("Close MYAUDIO"), 0);
  EXPECT_TRUE(Closed("myAudio"));
}

TEST_F(MediaChannel, AQuotedFileNameMayHoldBlanks) {
  ASSERT_EQ(Send("open \"Sfx\\My Song.wav\" type waveaudio alias song"), 0);
  EXPECT_EQ(Status("song", "length"), "250");
  EXPECT_NE(Send("open \"Sfx\\My Song.wav type waveaudio alias other"), 0);  // unclosed quote
  EXPECT_NE(Send("open Sfx\\My Song.wav type waveaudio alias other"), 0);
  EXPECT_TRUE(Closed("other"));
}

TEST_F(MediaChannel, WithoutAnAliasTheFileNameNamesTheDevice) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav"), 0);
  EXPECT_EQ(Status("SFX\\MusicGame\\cheers.WAV", "length"), "400");
}

TEST_F(MediaChannel, CloseAllClosesEveryAliasAndStatusThenFails) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav TYPE waveaudio  ALIAS myAudio"), 0);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio ALIAS cheer"), 0);
  ASSERT_EQ(Send("play myAudio"), 0);
  ASSERT_EQ(Send("play cheer"), 0);
  ASSERT_EQ(Send("close all"), 0);
  EXPECT_TRUE(Closed("myAudio"));
  EXPECT_TRUE(Closed("cheer"));
  EXPECT_NE(Send("play myAudio"), 0);
  EXPECT_EQ(Send("close all"), 0);  // nothing open is not an error
  // The alias can be opened again, with another file.
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio  ALIAS myAudio"), 0);
  EXPECT_EQ(Status("myAudio", "length"), "400");
}

TEST_F(MediaChannel, ClosingOneAliasLeavesTheOthers) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias a"), 0);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav alias b"), 0);
  ASSERT_EQ(Send("play b"), 0);
  clock_.now += 10;
  EXPECT_EQ(Send("close a"), 0);
  EXPECT_TRUE(Closed("a"));
  EXPECT_EQ(Status("b", "position"), "10");
  EXPECT_NE(Send("close a"), 0);
}

TEST_F(MediaChannel, AFileThatCannotBeOpenedLeavesNothingUnderTheAlias) {
  for (const char* file : {"Sfx\\Missing.wav", "Sfx\\Broken.wav"}) {
    SCOPED_TRACE(file);
    EXPECT_NE(Send(std::string("open ") + file + " TYPE waveaudio  ALIAS myAudio"), 0);
    EXPECT_TRUE(Closed("myAudio"));
    EXPECT_NE(Send("play myAudio"), 0);
  }
}

TEST_F(MediaChannel, AnAliasInUseIsNotOpenedTwice) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias myAudio"), 0);
  EXPECT_NE(Send("open Sfx\\MusicGame\\Cheers.wav alias MYAUDIO"), 0);
  EXPECT_EQ(Status("myAudio", "length"), "1500");
}

TEST_F(MediaChannel, StopHoldsThePositionAndPlayStartsAgainFromTheBeginning) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias m"), 0);
  ASSERT_EQ(Send("play m"), 0);
  clock_.now += 700;
  ASSERT_EQ(Send("stop m"), 0);
  clock_.now += 5000;
  EXPECT_EQ(Status("m", "position"), "700");
  ASSERT_EQ(Send("play m"), 0);
  clock_.now += 20;
  EXPECT_EQ(Status("m", "position"), "20");
  ASSERT_EQ(Send("play m"), 0);  // a second play restarts too
  EXPECT_EQ(Status("m", "position"), "0");
  EXPECT_EQ(Send("stop all"), 0);
  clock_.now += 100;
  EXPECT_EQ(Status("m", "position"), "0");
  EXPECT_NE(Send("stop nothing"), 0);
}

TEST_F(MediaChannel, MalformedOrUnknownCommandsFail) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias m"), 0);
  for (const char* command :
       {"", "   ", "pause m", "status m", "status m mode", "status m length extra", "play",
        "play m now", "close", "open", "open Sfx\\MusicGame\\Cheers.wav type cdaudio alias c",
        "open Sfx\\MusicGame\\Cheers.wav alias", "open Sfx\\MusicGame\\Cheers.wav shareable",
        "open Sfx\\MusicGame\\Cheers.wav alias all", "status \"m length"}) {
    SCOPED_TRACE(command);
    reply_ = "x";
    EXPECT_NE(Send(command), 0);
    EXPECT_FALSE(IsNumber(reply_));
  }
  EXPECT_TRUE(Closed("c"));
  EXPECT_TRUE(Closed("all"));
  EXPECT_EQ(Status("m", "length"), "1500");  // still open and unchanged
}

TEST_F(MediaChannel, StatusWithoutAReplyBufferStillAnswers) {
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Song0.wav alias m"), 0);
  EXPECT_EQ(sound_.SendCommand("status m length", nullptr), 0);
  EXPECT_NE(sound_.SendCommand("status x length", nullptr), 0);
}

TEST_F(MediaChannel, MediaAndWaveChannelsAreIndependent) {
  dir_.Write("Sfx\\Loop.wav", ToneWav(100));
  ASSERT_EQ(
      sound_.PlaySound("Sfx\\Loop.wav", platform::SoundFlags::kAsync | platform::SoundFlags::kLoop),
      1);
  ASSERT_EQ(Send("open Sfx\\MusicGame\\Cheers.wav TYPE waveaudio  ALIAS myAudio"), 0);
  ASSERT_EQ(Send("play myAudio"), 0);
  clock_.now += 100;
  ASSERT_EQ(sound_.PlaySound("Sfx\\MusicGame\\Song0.wav", platform::SoundFlags::kSync), 1);
  EXPECT_EQ(Status("myAudio", "position"), "400");  // 1.6 s passed in the synchronous sound
  ASSERT_EQ(sound_.PlaySound("Sfx\\Loop.wav", 9), 1);
  EXPECT_EQ(Send("close all"), 0);
  clock_.now += 10000;
  EXPECT_TRUE(sound_.WavePlaying());
}

}  // namespace
