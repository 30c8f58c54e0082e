// Decoding WAV files into the mixer's format, refusing damaged ones, mixing and caching clips.
#include "platform/wav.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/sound/sound_files.h"

namespace {

using platform::Clip;
using platform::DecodeWav;
using soundtest::Bytes;
using soundtest::MakeWav;
using soundtest::Pcm16;
using soundtest::WavFormat;

TEST(DecodeWav, SixteenBitMonoAtTheMixRateBecomesTheSameSampleOnBothSides) {
  const Bytes data =
      Pcm16(441, [](std::size_t i) { return static_cast<std::int16_t>(i * 70 - 15000); });
  const std::optional<Clip> clip = DecodeWav(MakeWav({1, 1, 44100, 16}, data));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 10);
  ASSERT_EQ(clip->samples.size(), 882u);
  for (std::size_t i = 0; i < 441; ++i) {
    const auto want = static_cast<std::int16_t>(i * 70 - 15000);
    // SDL converts through floats, which may cost the lowest bit.
    ASSERT_NEAR(clip->samples[2 * i], want, 1) << i;
    ASSERT_EQ(clip->samples[2 * i + 1], clip->samples[2 * i]) << i;
  }
}

TEST(DecodeWav, StereoKeepsItsChannelsApart) {
  Bytes data;
  for (int i = 0; i < 100; ++i) {
    soundtest::Put16(data, 1000);
    soundtest::Put16(data, static_cast<std::uint16_t>(-2000));
  }
  const std::optional<Clip> clip = DecodeWav(MakeWav({1, 2, 44100, 16}, data));
  ASSERT_TRUE(clip);
  ASSERT_EQ(clip->samples.size(), 200u);
  EXPECT_EQ(clip->samples[0], 1000);
  EXPECT_EQ(clip->samples[1], -2000);
  EXPECT_EQ(clip->samples[198], 1000);
  EXPECT_EQ(clip->samples[199], -2000);
}

TEST(DecodeWav, EightBitSamplesAreUnsignedAroundTheMiddle) {
  const Bytes data{0x80, 0x80, 0xFF, 0x00};
  const std::optional<Clip> clip = DecodeWav(MakeWav({1, 1, 44100, 8}, data));
  ASSERT_TRUE(clip);
  ASSERT_EQ(clip->samples.size(), 8u);
  EXPECT_EQ(clip->samples[0], 0);
  EXPECT_EQ(clip->samples[3], 0);
  EXPECT_GT(clip->samples[4], 32000);
  EXPECT_LT(clip->samples[6], -32000);
}

TEST(DecodeWav, OtherRatesAreResampledWholeToTheEnd) {
  // 22050 Hz, one second of a steady level: twice the frames, and the last ones still carry it.
  const Bytes data = Pcm16(22050, [](std::size_t) { return std::int16_t{8000}; });
  const std::optional<Clip> clip = DecodeWav(MakeWav({1, 1, 22050, 16}, data));
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 1000);
  const std::size_t frames = clip->samples.size() / 2;
  EXPECT_NEAR(static_cast<double>(frames), 44100.0, 44.0);
  EXPECT_NEAR(clip->samples[clip->samples.size() - 200], 8000, 200);
}

TEST(DecodeWav, ChunksBeforeTheDataAreSkippedWithTheirPadding) {
  Bytes b = MakeWav({1, 1, 8000, 16}, Pcm16(80, [](std::size_t) { return std::int16_t{5}; }));
  // Insert an odd-sized LIST chunk (padded to an even size) between "fmt " and "data".
  Bytes list;
  soundtest::PutTag(list, "LIST");
  soundtest::Put32(list, 3);
  list.insert(list.end(), {'a', 'b', 'c', 0});
  b.insert(b.begin() + 36, list.begin(), list.end());
  const std::uint32_t riff = static_cast<std::uint32_t>(b.size() - 8);
  for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<std::uint8_t>(riff >> (8 * i));
  const std::optional<Clip> clip = DecodeWav(b);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->lengthMs, 10);
}

TEST(DecodeWav, DamagedFilesAreRefused) {
  const Bytes samples = Pcm16(800, [](std::size_t i) { return static_cast<std::int16_t>(i); });
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
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(DecodeWav(bytes)) << name;
  }
}

TEST(DecodeWav, EveryTruncationIsRefused) {
  const Bytes good = MakeWav({1, 2, 22050, 16}, Bytes(400, 7));
  for (std::size_t n = 0; n < good.size(); ++n) {
    EXPECT_FALSE(DecodeWav(Bytes(good.begin(), good.begin() + n))) << n;
  }
}

TEST(DecodeWav, RandomAndCorruptedBytesNeverCrash) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 300; ++i) {
    Bytes b(static_cast<std::size_t>(rng() % 200));
    for (auto& x : b) x = static_cast<std::uint8_t>(byte(rng));
    (void)DecodeWav(b);
  }
  const Bytes good = MakeWav({1, 1, 11025, 16}, Bytes(200, 3));
  for (int i = 0; i < 2000; ++i) {
    Bytes b = good;
    const std::size_t at = rng() % 44;  // the header
    b[at] = static_cast<std::uint8_t>(byte(rng));
    if (auto clip = DecodeWav(b)) {
      EXPECT_FALSE(clip->samples.empty());
      EXPECT_EQ(clip->samples.size() % 2, 0u);
    }
  }
}

TEST(MixVoice, AddsAndSaturatesAtBothLimits) {
  auto clip = std::make_shared<Clip>();
  clip->samples = {30000, -30000, 100, -100};
  platform::Voice voice{clip, 0, false};
  std::vector<std::int16_t> out{10000, -10000, 1, 1, 7, 7};
  platform::MixVoice(voice, out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, -32768, 101, -99, 7, 7}));
  EXPECT_EQ(voice.pos, 4u);
  platform::MixVoice(voice, out.data(), out.size());  // ended: nothing more is added
  EXPECT_EQ(out, (std::vector<std::int16_t>{32767, -32768, 101, -99, 7, 7}));
}

TEST(MixVoice, ALoopWrapsAcrossBuffersAndAnEndedVoiceStaysSilent) {
  auto clip = std::make_shared<Clip>();
  clip->samples = {1, 2, 3, 4};
  platform::Voice loop{clip, 0, true};
  std::vector<std::int16_t> out(6, 0);
  platform::MixVoice(loop, out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{1, 2, 3, 4, 1, 2}));
  std::fill(out.begin(), out.end(), 0);
  platform::MixVoice(loop, out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{3, 4, 1, 2, 3, 4}));

  platform::Voice once{clip, 2, false};
  std::fill(out.begin(), out.end(), 0);
  platform::MixVoice(once, out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{3, 4, 0, 0, 0, 0}));

  platform::Voice none;
  platform::MixVoice(none, out.data(), out.size());
  EXPECT_EQ(out, (std::vector<std::int16_t>{3, 4, 0, 0, 0, 0}));
}

TEST(ClipCache, KeepsClipsWithinItsBudgetDroppingTheLeastRecentlyUsed) {
  soundtest::TempDir dir("cache");
  // 8000 Hz clips of 100 ms: 4410 stereo frames each, 17640 bytes once converted.
  for (const char* name : {"a.wav", "b.wav", "c.wav"}) dir.Write(name, soundtest::ToneWav(100));
  const std::string a = dir.Resolve("a.wav").string();
  const std::string b = dir.Resolve("b.wav").string();
  const std::string c = dir.Resolve("c.wav").string();
  platform::ClipCache cache(2 * 17640 + 100);
  const auto clipA = cache.Get(a);
  ASSERT_TRUE(clipA);
  EXPECT_EQ(cache.Get(a), clipA);  // decoded once
  ASSERT_TRUE(cache.Get(b));
  EXPECT_EQ(cache.Get(a), clipA);  // a is now the more recent one
  ASSERT_TRUE(cache.Get(c));       // over budget: b goes
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_LE(cache.bytes(), 2 * 17640u + 100);
  EXPECT_EQ(cache.Get(a), clipA);
  EXPECT_FALSE(cache.Get(dir.Resolve("missing.wav").string()));
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_NEAR(static_cast<double>(clipA->samples.size()), 2 * 4410.0, 4.0);
}

}  // namespace
