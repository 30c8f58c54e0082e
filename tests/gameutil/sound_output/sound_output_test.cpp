// The game library's sounds as a real SDL audio device plays them: the wave and media channels
// mixed in real time into SDL's disk driver, read back sample by sample. Each change the mixer
// makes must sound from the first buffer after it, whole and exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gameutil/sound_output/disk_device.h"

namespace {

using soundtest::Bytes;
using soundtest::DiskDevice;
using soundtest::kBufferFrames;
using soundtest::Samples;
using Window = DiskDevice::Window;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The disk driver sleeps this long after each buffer it writes (its buffer time, rounded down).
constexpr std::int64_t kDeviceSleepMs = kBufferFrames * 1000 / platform::kMixRate;

// `frames` frames of 44100 Hz stereo: a cosine on the left and a sine on the right, `period`
// frames long, so a frame is never silent on both sides and a whole number of periods joins
// smoothly when looped.
Bytes StereoTone(std::size_t frames, std::size_t period, double level) {
  return soundtest::MakeWav({1, 2, 44100, 16}, soundtest::Pcm16(2 * frames, [=](std::size_t i) {
                              const double phase = 2 * std::numbers::pi * (i / 2 % period) / period;
                              return static_cast<std::int16_t>(
                                  std::lround(level * (i % 2 ? std::sin(phase) : std::cos(phase))));
                            }));
}

// A 22050 Hz mono tone, as the forge makes the games' effects.
Bytes MonoTone(std::size_t frames, std::size_t period, double level) {
  return soundtest::MakeWav(
      {1, 1, 22050, 16}, soundtest::Pcm16(frames, [=](std::size_t i) {
        const double phase = 2 * std::numbers::pi * (i % period) / period;
        return static_cast<std::int16_t>(std::lround(level * std::cos(phase)));
      }));
}

std::size_t Frames(const Samples& s) {
  return s.size() / 2;
}

bool SilentFrame(const Samples& s, std::size_t f) {
  return s[2 * f] == 0 && s[2 * f + 1] == 0;
}

// The first frame at or after `from` with any sound in it; kNone when there is none.
std::size_t FirstSound(const Samples& s, std::size_t from) {
  for (std::size_t f = from; f < Frames(s); ++f) {
    if (!SilentFrame(s, f)) return f;
  }
  return kNone;
}

bool Silent(const Samples& s, std::size_t from, std::size_t to) {
  const std::size_t first = FirstSound(s, from);
  return first == kNone || first >= to;
}

// The first frame from `at` on where `out` no longer holds `clip` played from its start (over
// and over when `loop`); the end of the clip or of `out` when it never differs.
std::size_t EndOfMatch(const Samples& out, std::size_t at, const Samples& clip, bool loop) {
  const std::size_t n = Frames(clip);
  std::size_t f = at;
  for (; f < Frames(out) && (loop || f - at < n); ++f) {
    const std::size_t k = (f - at) % n;
    if (out[2 * f] != clip[2 * k] || out[2 * f + 1] != clip[2 * k + 1]) return f;
  }
  return f;
}

void ExpectAtABufferIn(std::size_t frame, Window w, const char* what) {
  EXPECT_EQ(frame % kBufferFrames, 0u) << what << " at frame " << frame;
  EXPECT_TRUE(frame >= w.from && frame <= w.to)
      << what << " at frame " << frame << ", outside " << w.from << ".." << w.to;
}

class SoundOutput : public ::testing::Test {
 protected:
  SoundOutput() : device_(dir_) {
    host_.sound = &device_.Sound();
    dir_.Write("Sfx\\Silence.wav", soundtest::ToneWav(100, 0));
  }
  void SetUp() override {
    GameUtil::ResetSavedState();
    Settings::soundOn = GameUtil::True;
    GameUtil::SetHost(&host_);
    ASSERT_TRUE(device_.Sound().HasDevice()) << "SDL's disk audio driver did not open";
    ASSERT_TRUE(device_.Play(2 * kBufferFrames)) << "the device writes nothing";
  }
  void TearDown() override { GameUtil::SetHost(nullptr); }

  // Writes a sound file and gives its samples as the mixer decodes them.
  Samples Clip(const char* name, const Bytes& wav) {
    dir_.Write(name, wav);
    std::optional<platform::Clip> clip = platform::DecodeWav(wav);
    EXPECT_TRUE(clip) << name;
    return clip ? clip->samples : Samples{};
  }
  int Media(const std::string& command, std::string* reply = nullptr) {
    return host_.SendMediaCommand(command, reply);
  }
  // Lets the device play on; the test stops where the device stopped writing.
  void Play(std::size_t frames) {
    ASSERT_TRUE(device_.Play(frames)) << "the device stopped writing";
  }
  Samples Stop() {
    host_.sound = nullptr;
    Samples out = device_.Stop();
    EXPECT_EQ(Frames(out) % kBufferFrames, 0u) << "the device writes whole buffers";
    return out;
  }

  soundtest::TempDir dir_;
  DiskDevice device_;
  soundtest::DeviceHost host_;
};

// Synchronous sounds follow each other whole: each returns once it has been played, so the next
// never cuts its end. Then a background loop joins itself without a gap until the next background
// sound replaces it from that sound's own start; StopAllSounds then leaves silence.
TEST_F(SoundOutput, SoundsPlayWholeLoopsJoinWithoutAGapAndStopAllSoundsSilencesThem) {
  const Samples tick = Clip("Sfx\\Tick.wav", StereoTone(2500, 100, 10000));
  const Samples tock = Clip("Sfx\\Tock.wav", MonoTone(1700, 30, 7000));
  // Whole periods: a gap, a repeated or a skipped frame at a join shows as a mismatch.
  const Samples first = Clip("Sfx\\First.wav", StereoTone(1000, 100, 12000));
  const Samples next = Clip("Sfx\\Next.wav", StereoTone(900, 150, 6000));
  const char* files[] = {"Sfx\\Tick.wav", "Sfx\\Tock.wav"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(GameUtil::PlayGameSound(files[i % 2], 0, 0), 1);
  const Window started =
      device_.Around([] { EXPECT_EQ(GameUtil::PlayGameSound("Sfx\\First.wav", 0, 9), 1); });
  Play(8 * kBufferFrames);
  const Window replaced =
      device_.Around([] { EXPECT_EQ(GameUtil::PlayGameSound("Sfx\\Next.wav", 0, 131081), 1); });
  Play(5 * kBufferFrames);
  const Window stopped = device_.Around([] { GameUtil::StopAllSounds(); });
  Play(device_.Slack() + 2 * kBufferFrames);
  const Samples out = Stop();

  std::size_t at = 0;
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(files[i % 2] + std::string(" #") + std::to_string(i));
    const Samples& clip = i % 2 ? tock : tick;
    const std::size_t heard = FirstSound(out, at);
    ASSERT_NE(heard, kNone) << "not played";
    const std::size_t start = heard - FirstSound(clip, 0);
    EXPECT_EQ(start % kBufferFrames, 0u);
    const std::size_t end = EndOfMatch(out, start, clip, false);
    EXPECT_EQ(end, start + Frames(clip)) << "cut after " << end - start << " frames";
    at = end;
  }
  const std::size_t start = FirstSound(out, at);
  ASSERT_NE(start, kNone) << "the loop was not played";
  ExpectAtABufferIn(start, started, "the loop starts");
  const std::size_t switched = EndOfMatch(out, start, first, true);
  ExpectAtABufferIn(switched, replaced, "the next sound takes over");
  EXPECT_GE(switched - start, 5 * Frames(first)) << "the loop joined itself too few times";
  const std::size_t cut = EndOfMatch(out, switched, next, true);
  ExpectAtABufferIn(cut, stopped, "the next sound is cut");
  EXPECT_TRUE(Silent(out, cut, Frames(out))) << "sound after StopAllSounds";
}

// A media file over a looping wave sound: what is heard is their exact sum, never clipped; the
// media position moves on with what the device played; StopAllSounds cuts both and closes it.
TEST_F(SoundOutput, AMediaFileMixesOverAWaveSoundAndItsPositionAdvancesUntilStopAllSounds) {
  const Samples hum = Clip("Sfx\\Hum.wav", StereoTone(800, 80, 15000));
  const Samples song = Clip("Sfx\\Song.wav", StereoTone(44100, 441, 15000));  // one second
  const Window humStarted =
      device_.Around([] { EXPECT_EQ(GameUtil::PlayGameSound("Sfx\\Hum.wav", 0, 9), 1); });
  Play(2 * kBufferFrames);
  ASSERT_EQ(Media("open Sfx\\Song.wav TYPE waveaudio  ALIAS song"), 0);
  std::string reply;
  EXPECT_EQ(Media("status song length", &reply), 0);
  EXPECT_EQ(reply, "1000");
  const Window songStarted = device_.Around([&] { EXPECT_EQ(Media("play song"), 0); });
  struct Poll {
    std::size_t written;
    long position;
  };
  std::vector<Poll> polls;
  for (int i = 0; i < 4; ++i) {
    Play(3 * kBufferFrames);
    const std::size_t written = device_.Written();
    ASSERT_EQ(Media("status song position", &reply), 0);
    polls.push_back({written, std::stol(reply)});
  }
  const Window stopped = device_.Around([] { GameUtil::StopAllSounds(); });
  EXPECT_NE(Media("status song position", &reply), 0) << "StopAllSounds closes the media files";
  Play(device_.Slack() + 2 * kBufferFrames);
  const Samples out = Stop();

  const std::size_t start = FirstSound(out, 0);
  ASSERT_NE(start, kNone) << "nothing was played";
  ExpectAtABufferIn(start, humStarted, "the wave sound starts");
  // Both end at a buffer's start: up to there, take the looping wave sound away; the media file
  // must be what is left.
  std::size_t end = Frames(out);
  while (end > start && SilentFrame(out, end - 1)) --end;
  end = (end + kBufferFrames - 1) / kBufferFrames * kBufferFrames;
  ExpectAtABufferIn(end, stopped, "the sounds are cut");
  Samples rest(2 * end, 0);
  int peak = 0;
  for (std::size_t f = start; f < end; ++f) {
    for (std::size_t c = 0; c < 2; ++c) {
      const int sample = out[2 * f + c];
      const int left = sample - hum[2 * ((f - start) % Frames(hum)) + c];
      rest[2 * f + c] = static_cast<std::int16_t>(std::clamp(left, -32768, 32767));
      peak = std::max(peak, std::abs(sample));
    }
  }
  const std::size_t songStart = FirstSound(rest, start);
  ASSERT_NE(songStart, kNone) << "the media file was not heard";
  ExpectAtABufferIn(songStart, songStarted, "the media file starts");
  EXPECT_EQ(EndOfMatch(rest, songStart, song, false), end);
  EXPECT_TRUE(Silent(out, end, Frames(out))) << "sound after StopAllSounds";
  // Both at 15000: together they go well past either alone, and nowhere reach full scale.
  EXPECT_GT(peak, 20000);
  EXPECT_LT(peak, 32767);

  // Between two polls the device wrote buffers and slept after each, so the position moved on;
  // and it is never behind what the device had played: n buffers after the start take at least
  // n - 1 of the device's sleeps.
  for (std::size_t i = 0; i < polls.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(polls[i].position, 1000);
    if (i > 0) {
      EXPECT_GT(polls[i].position, polls[i - 1].position);
    }
    const std::int64_t buffers =
        (static_cast<std::int64_t>(polls[i].written) - static_cast<std::int64_t>(songStart)) /
        static_cast<std::int64_t>(kBufferFrames);
    EXPECT_GE(polls[i].position, (buffers - 1) * kDeviceSleepMs - 1);
  }
}

}  // namespace
