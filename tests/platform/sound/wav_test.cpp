// Decoding WAV files into the mixer's format, refusing damaged ones, mixing and caching clips.
#include "platform/wav.h"

#include <gtest/gtest.h>

#include "platform/sound/sound_files.h"

namespace {

using platform::Clip;
using platform::DecodeWav;
using platform::Voice;
using soundtest::Bytes;
using soundtest::MakeWav;
using soundtest::Pcm16;
using Samples = std::vector<std::int16_t>;

TEST(DecodeWav, EachFormatBecomesInterleavedStereoAtTheMixRate) {
  // 16-bit mono at the mix rate: the same sample on both sides (SDL converts through floats,
  // which may cost the lowest bit).
  std::optional<Clip> clip = DecodeWav(MakeWav(
      {1, 1, 44100, 16}, Pcm16(441, [](std::size_t i) { return std::int16_t(i * 70 - 15000); })));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 10);
  ASSERT_EQ(clip->samples.size(), 882u);
  for (std::size_t i = 0; i < 441; ++i) {
    ASSERT_NEAR(clip->samples[2 * i], std::int16_t(i * 70 - 15000), 1) << i;
    ASSERT_EQ(clip->samples[2 * i + 1], clip->samples[2 * i]) << i;
  }
  // Stereo keeps its channels apart.
  clip = DecodeWav(MakeWav({1, 2, 44100, 16}, Pcm16(200, [](std::size_t i) {
                             return std::int16_t(i % 2 ? -2000 : 1000);
                           })));
  ASSERT_TRUE(clip);
  ASSERT_EQ(clip->samples.size(), 200u);
  const Samples s = clip->samples;
  EXPECT_EQ((Samples{s[0], s[1], s[198], s[199]}), (Samples{1000, -2000, 1000, -2000}));
  // 8-bit samples are unsigned around the middle.
  clip = DecodeWav(MakeWav({1, 1, 44100, 8}, {0x80, 0x80, 0xFF, 0x00}));
  ASSERT_TRUE(clip);
  ASSERT_EQ(clip->samples.size(), 8u);
  EXPECT_TRUE(clip->samples[0] == 0 && clip->samples[3] == 0 && clip->samples[4] > 32000 &&
              clip->samples[6] < -32000);
  // Other rates are resampled whole: one second at 22050 Hz gives twice the frames, and the
  // last ones still carry the level.
  clip = DecodeWav(MakeWav({1, 1, 22050, 16}, Pcm16(22050, [](std::size_t) { return 8000; })));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 1000);
  EXPECT_NEAR(clip->samples.size() / 2.0, 44100.0, 44.0);
  EXPECT_NEAR(clip->samples[clip->samples.size() - 200], 8000, 200);
  // Lengths in whole milliseconds (a synchronous sound waits that long): 8-bit mono at 11025 Hz,
  // 2205 frames; 16-bit stereo at 44100 Hz, 33075 frames; 22050 Hz, 1000 frames = 45.35 ms.
  const std::pair<Bytes, int> lengths[] = {{MakeWav({1, 1, 11025, 8}, Bytes(2205, 0x80)), 200},
                                           {MakeWav({1, 2, 44100, 16}, Bytes(33075 * 4, 0)), 750},
                                           {MakeWav({1, 1, 22050, 16}, Bytes(2000, 0)), 45}};
  for (const auto& [wav, ms] : lengths) EXPECT_EQ(DecodeWav(wav)->lengthMs, ms);
}

TEST(DecodeWav, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
  Bytes b = MakeWav({}, Pcm16(80, [](std::size_t) { return 5; }));
  // An odd-sized LIST chunk (padded to an even size) between "fmt " and "data".
  b.insert(b.begin() + 36, {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0});
  const auto riff = static_cast<std::uint32_t>(b.size() - 8);
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
  const std::optional<Clip> clip = DecodeWav(b);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 10);
}

// Random damage is the wav fuzz target's.
TEST(DecodeWav, DamagedAndTruncatedFilesAreRefused) {
  const Bytes samples = Pcm16(800, [](std::size_t i) { return std::int16_t(i); });
  const Bytes good = MakeWav({}, samples);
  ASSERT_TRUE(DecodeWav(good));
  auto with = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    Bytes b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + at);
    return b;
  };
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"empty", {}},
      {"not RIFF", with(0, {'R', 'I', 'F', 'X'})},
      {"not WAVE", with(8, {'A', 'V', 'I', ' '})},
      {"no format chunk", with(12, {'j', 'u', 'n', 'k'})},
      {"format chunk too short", with(16, {8, 0, 0, 0})},
      {"no data chunk", with(36, {'j', 'u', 'n', 'k'})},
      {"zero-length data", MakeWav({}, {})},
      {"data larger than the file", MakeWav({}, samples, 0xFFFFFFF0u)},
      {"data one byte short", MakeWav({}, samples, static_cast<std::uint32_t>(samples.size() + 1))},
      {"unknown format tag", MakeWav({0x1234, 1, 8000, 16}, samples)},
      {"12-bit samples", MakeWav({1, 1, 8000, 12}, samples)},
      {"no channels", MakeWav({1, 0, 8000, 16}, samples)},
      {"zero rate", MakeWav({1, 1, 0, 16}, samples)},
      {"a format chunk past the end", with(16, {0xFF, 0xFF, 0xFF, 0x7F})},
      {"too little data for one frame", MakeWav({1, 2, 8000, 16}, {1, 2})},
  };
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(DecodeWav(bytes)) << name;

  const Bytes stereo = MakeWav({1, 2, 22050, 16}, Bytes(400, 7));
  for (std::size_t n = 0; n < stereo.size(); ++n) {
    EXPECT_FALSE(DecodeWav(Bytes(stereo.begin(), stereo.begin() + n))) << "cut at " << n;
  }
}

TEST(MixVoice, AddsSaturatesLoopsAndStops) {
  auto loud = std::make_shared<Clip>(Clip{{30000, -30000, 100, -100}, 0});
  Voice voice{loud, 0, false};
  Samples out{10000, -10000, 1, 1, 7, 7};
  platform::MixVoice(voice, out.data(), out.size());
  EXPECT_EQ(out, (Samples{32767, -32768, 101, -99, 7, 7}));
  EXPECT_EQ(voice.pos, 4u);
  platform::MixVoice(voice, out.data(), out.size());  // ended: nothing more is added
  EXPECT_EQ(out, (Samples{32767, -32768, 101, -99, 7, 7}));

  auto clip = std::make_shared<Clip>(Clip{{1, 2, 3, 4}, 0});
  // A loop wraps across buffers, a voice started midway stops at the end, no clip is silent.
  Voice loop{clip, 0, true}, once{clip, 2, false}, none;
  const std::pair<Voice*, Samples> steps[] = {{&loop, {1, 2, 3, 4, 1, 2}},
                                              {&loop, {3, 4, 1, 2, 3, 4}},
                                              {&once, {3, 4, 0, 0, 0, 0}},
                                              {&once, Samples(6, 0)},
                                              {&none, Samples(6, 0)}};
  for (const auto& [voice, want] : steps) {
    Samples mixed(6, 0);
    platform::MixVoice(*voice, mixed.data(), mixed.size());
    EXPECT_EQ(mixed, want);
  }
}

TEST(ClipCache, KeepsClipsWithinItsBudgetDroppingTheLeastRecentlyUsed) {
  soundtest::TempDir dir;
  // 8000 Hz clips of 100 ms: 4410 stereo frames each, 17640 bytes once converted.
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) dir.Write(name, soundtest::ToneWav(100));
  const auto file = [&](const char* name) { return dir.Resolve(name).string(); };
  platform::ClipCache cache(2 * 17640 + 100);
  const auto clipA = cache.Get(file("a.wav"));
  ASSERT_TRUE(clipA);
  EXPECT_NEAR(static_cast<double>(clipA->samples.size()), 2 * 4410.0, 4.0);
  EXPECT_EQ(cache.Get(file("a.wav")), clipA);  // decoded once
  const auto clipB = cache.Get(file("b.wav"));
  ASSERT_TRUE(clipB);
  EXPECT_EQ(cache.Get(file("a.wav")), clipA);  // a is now the more recent one
  ASSERT_TRUE(cache.Get(file("c.wav")));       // over budget: b goes
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_LE(cache.bytes(), 2 * 17640u + 100);
  EXPECT_EQ(cache.Get(file("a.wav")), clipA);
  EXPECT_NE(cache.Get(file("b.wav")), clipB);  // decoded anew
  EXPECT_FALSE(cache.Get(file("missing.wav")));
  EXPECT_EQ(cache.size(), 2u);
}

}  // namespace
