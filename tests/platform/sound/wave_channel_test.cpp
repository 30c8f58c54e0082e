// The wave channel's flags over a clock the test moves.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

#include "platform/audio.h"
#include "platform/sound/sound_files.h"

namespace {

using platform::SoundSystem;
namespace F = platform::SoundFlags;
using soundtest::FakeClock;
using soundtest::MakeWav;
using soundtest::TempDir;
using soundtest::ToneWav;
using Waits = std::vector<std::int64_t>;

constexpr std::uint32_t kLoop = F::kAsync | F::kLoop;                     // 9
constexpr std::uint32_t kFileLoop = F::kFilename | F::kLoop | F::kAsync;  // 131081
constexpr std::uint32_t kNoStop = F::kAsync | F::kNoStop;                 // 17
constexpr std::uint32_t kNoWait = F::kAsync | F::kNoWait;                 // 8193

class WaveChannel : public ::testing::Test {
 protected:
  WaveChannel() {
    dir_.Write("Sfx\\Long.wav", ToneWav(1000));
    dir_.Write("Sfx\\Short.wav", ToneWav(200));
    dir_.Write("Sfx\\Half.wav", ToneWav(500));
    dir_.Write("Sfx\\Silence.wav", ToneWav(100, 0));
    dir_.Write("Sfx\\Broken.wav", soundtest::Bytes{'R', 'I', 'F', 'F', 1, 2, 3});
  }
  int Play(const char* file, std::uint32_t flags) { return sound_.PlaySound(file, flags); }
  // True when the channel still plays after ms - 1 more milliseconds and is quiet one later.
  bool EndsAfter(std::int64_t ms) {
    clock_.now += ms - 1;
    const bool before = sound_.WavePlaying();
    clock_.now += 1;
    return before && !sound_.WavePlaying();
  }

  TempDir dir_;
  FakeClock clock_;
  SoundSystem sound_{clock_.Hooks(dir_), false};
};

TEST_F(WaveChannel, SyncWaitsTheClipLengthAndAsyncReplacesThePlayingSound) {
  bool playingDuringWait = false;
  clock_.duringWait = [&] { playingDuringWait = sound_.WavePlaying(); };
  EXPECT_EQ(Play("Sfx\\Half.wav", F::kSync), 1);
  EXPECT_EQ(clock_.waits, Waits{500});
  EXPECT_TRUE(playingDuringWait);
  EXPECT_FALSE(sound_.WavePlaying());
  EXPECT_FALSE(sound_.HasDevice());

  EXPECT_EQ(Play("Sfx\\Short.wav", F::kAsync), 1);
  EXPECT_TRUE(EndsAfter(200));
  ASSERT_EQ(Play("Sfx\\Long.wav", F::kAsync), 1);
  clock_.now += 100;
  ASSERT_EQ(Play("Sfx\\Short.wav", F::kAsync), 1);
  EXPECT_TRUE(EndsAfter(200));  // the long sound alone would still play for 700 ms
  EXPECT_EQ(clock_.waits, Waits{500});
}

TEST_F(WaveChannel, LoopsPlayUntilAnotherSoundReplacesThem) {
  for (std::uint32_t flags : {kLoop, kFileLoop}) {
    SCOPED_TRACE(flags);
    EXPECT_EQ(Play("Sfx\\Short.wav", flags), 1);
    clock_.now += 3600 * 1000;
    EXPECT_TRUE(sound_.WavePlaying());
    // Stopping all sounds plays the short silence over the loop.
    EXPECT_EQ(Play("Sfx\\Silence.wav", F::kAsync), 1);
    EXPECT_TRUE(EndsAfter(100));
  }
  // A synchronous sound also ends a loop, and the channel is quiet after it.
  ASSERT_EQ(Play("Sfx\\Long.wav", kLoop), 1);
  EXPECT_EQ(Play("Sfx\\Short.wav", F::kSync), 1);
  EXPECT_FALSE(sound_.WavePlaying());
}

TEST_F(WaveChannel, NoStopLeavesAPlayingSoundAloneButPlaysWhenIdle) {
  ASSERT_EQ(Play("Sfx\\Half.wav", F::kAsync), 1);
  clock_.now += 100;
  EXPECT_EQ(Play("Sfx\\Long.wav", kNoStop), 0);
  EXPECT_TRUE(EndsAfter(400));  // the first sound ends at its own length
  EXPECT_EQ(Play("Sfx\\Short.wav", kNoStop), 1);
  EXPECT_TRUE(EndsAfter(200));
  ASSERT_EQ(Play("Sfx\\Short.wav", kLoop), 1);
  clock_.now += 10000;
  EXPECT_EQ(Play("Sfx\\Long.wav", kNoStop), 0);
  EXPECT_TRUE(sound_.WavePlaying());
}

TEST_F(WaveChannel, NoWaitGivesUpOnlyWhileASynchronousSoundHoldsTheChannel) {
  int inside = -1;
  clock_.duringWait = [&] { inside = Play("Sfx\\Short.wav", kNoWait); };
  ASSERT_EQ(Play("Sfx\\Half.wav", F::kSync), 1);
  EXPECT_EQ(inside, 0);
  clock_.duringWait = nullptr;
  // Background sounds do not make the channel busy.
  ASSERT_EQ(Play("Sfx\\Long.wav", F::kAsync), 1);
  EXPECT_EQ(Play("Sfx\\Short.wav", kNoWait), 1);
  EXPECT_TRUE(EndsAfter(200));

  // A wait that lets no time pass: the synchronous sound still holds the channel after it
  // returns, until it has ended on the clock.
  SoundSystem::Hooks hooks = clock_.Hooks(dir_);
  hooks.wait = [](std::int64_t) {};
  SoundSystem still(hooks, false);
  ASSERT_EQ(still.PlaySound("Sfx\\Half.wav", F::kSync), 1);
  EXPECT_EQ(still.PlaySound("Sfx\\Short.wav", kNoWait), 0);
  clock_.now += 499;
  EXPECT_EQ(still.PlaySound("Sfx\\Short.wav", kNoWait), 0);
  clock_.now += 1;
  EXPECT_EQ(still.PlaySound("Sfx\\Short.wav", kNoWait), 1);
  EXPECT_TRUE(still.WavePlaying());
}

TEST_F(WaveChannel, AFailedPlayReturnsZeroAndLeavesTheCurrentSoundPlaying) {
  ASSERT_EQ(Play("Sfx\\Short.wav", kLoop), 1);
  for (const char* path : {"Sfx\\Missing.wav", "Sfx\\Broken.wav", "", "Sfx"}) {
    for (std::uint32_t flags : {F::kSync, F::kAsync, kLoop, kNoWait}) {
      EXPECT_EQ(Play(path, flags), 0) << path << " " << flags;
    }
  }
  EXPECT_TRUE(clock_.waits.empty());
  clock_.now += 5000;
  EXPECT_TRUE(sound_.WavePlaying());
  // A file written after a failed play is found later.
  EXPECT_EQ(Play("Sfx\\Later.wav", F::kAsync), 0);
  dir_.Write("Sfx\\Later.wav", ToneWav(300));
  EXPECT_EQ(Play("Sfx\\Later.wav", F::kSync), 1);
  EXPECT_EQ(clock_.waits, Waits{300});
}

// SDL's dummy driver opens a device on any machine, an unknown driver opens none; the answers
// are the same with a device, without one, and when opening one failed.
TEST_F(WaveChannel, AnOpenDeviceGivesTheSameAnswersAsNone) {
  struct Case {
    const char* driver;
    bool useDevice, opens;
  };
  for (const Case& c : {Case{"dummy", true, true}, Case{"no-such-driver", true, false},
                        Case{"dummy", false, false}}) {
    SCOPED_TRACE(std::string(c.driver) + (c.useDevice ? " with device" : " without"));
    ::setenv("SDL_AUDIODRIVER", c.driver, 1);
    FakeClock clock;
    SoundSystem sound(clock.Hooks(dir_), c.useDevice);
    EXPECT_EQ(sound.HasDevice(), c.opens);
    EXPECT_EQ(sound.PlaySound("Sfx\\Short.wav", F::kSync), 1);
    // A synchronous sound waits its length and, with a device, at most a little more for the
    // device to mix its end (the dummy device mixes in real time, not on this clock).
    ASSERT_FALSE(clock.waits.empty());
    EXPECT_EQ(clock.waits.front(), 200);
    const std::int64_t more =
        std::accumulate(clock.waits.begin() + 1, clock.waits.end(), std::int64_t{0});
    EXPECT_LE(more, c.opens ? 250 : 0);
    EXPECT_EQ(sound.PlaySound("Sfx\\Short.wav", kLoop), 1);
    EXPECT_EQ(sound.SendCommand("open Sfx\\Half.wav TYPE waveaudio  ALIAS myAudio", nullptr), 0);
    EXPECT_EQ(sound.SendCommand("play myAudio", nullptr), 0);
    clock.now += 120;
    std::string reply;
    EXPECT_EQ(sound.SendCommand("status myAudio position", &reply), 0);
    EXPECT_EQ(reply, "120");
    EXPECT_TRUE(sound.WavePlaying());
    EXPECT_EQ(sound.SendCommand("close all", nullptr), 0);
    EXPECT_EQ(sound.PlaySound("Sfx\\Missing.wav", F::kAsync), 0);
    EXPECT_TRUE(sound.WavePlaying());
  }
  ::unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
