// The loudness measure every sound is brought to: K-weighted, over the parts that sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../../assets/forge/loudness.h"

namespace forge {
namespace {

constexpr int kRate = 22050;

// A mono sine of `seconds` at `amplitude` (0..1).
std::vector<float> Sine(double freq, double amplitude, double seconds, int rate = kRate) {
  std::vector<float> s(static_cast<size_t>(seconds * rate));
  for (size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<float>(amplitude * std::sin(2 * M_PI * freq * i / rate));
  }
  return s;
}

std::vector<float> Then(std::vector<float> a, const std::vector<float>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

float Peak(const std::vector<float>& s) {
  float p = 0;
  for (float v : s) p = std::max(p, std::fabs(v));
  return p;
}

// A mid tone measures as its RMS, silence as -100; high tones count more, rumble less, at the
// sound's own rate; a sound shorter than a window is one window.
TEST(ForgeLoudness, AMidToneMeasuresItsRmsHighTonesMoreAndRumbleLess) {
  // At 500 Hz the weighting is flat: a half-scale sine is its RMS, 9 dB below full scale.
  EXPECT_NEAR(Loudness(Sine(500, 0.5, 1), 1, kRate), -9.03, 0.1);
  EXPECT_NEAR(Loudness(Sine(500, 0.05, 1), 1, kRate), -29.03, 0.1);
  EXPECT_EQ(Loudness(std::vector<float>(kRate, 0.0f), 1, kRate), -100);
  EXPECT_EQ(Loudness(std::vector<float>{}, 1, kRate), -100);
  // High tones count more and rumble less.
  const double mid = Loudness(Sine(500, 0.5, 1), 1, kRate);
  const double high = Loudness(Sine(4000, 0.5, 1), 1, kRate);
  const double rumble = Loudness(Sine(20, 0.5, 1), 1, kRate);
  EXPECT_NEAR(high - mid, 4, 0.5);
  EXPECT_LT(rumble, mid - 10);
  // The weighting is designed for the sound's own rate.
  EXPECT_NEAR(Loudness(Sine(4000, 0.5, 1, 44100), 1, 44100), high, 0.3);
  // A sound shorter than a window is one window.
  EXPECT_NEAR(Loudness(Sine(1000, 0.5, 0.03), 1, kRate), Loudness(Sine(1000, 0.5, 1), 1, kRate),
              0.5);
}

// Silence and a quiet echo do not lower the measure; a second loud part counts in full.
TEST(ForgeLoudness, PausesAndQuietTailsDoNotCount) {
  const std::vector<float> tone = Sine(500, 0.5, 0.5);
  const double alone = Loudness(tone, 1, kRate);
  EXPECT_NEAR(Loudness(Then(tone, std::vector<float>(kRate * 2, 0.0f)), 1, kRate), alone, 0.05);
  // A long echo 40 dB down lies below the relative gate.
  EXPECT_NEAR(Loudness(Then(tone, Sine(500, 0.005, 2)), 1, kRate), alone, 0.1);
  // A second part as loud as the first counts in full.
  const double twoParts = Loudness(Then(tone, Sine(500, 0.25, 0.5)), 1, kRate);
  EXPECT_NEAR(twoParts, 10 * std::log10((0.125 + 0.03125) / 2), 0.2);
}

// Stereo is the mean of its channels; 16-bit samples measure as their float values.
TEST(ForgeLoudness, ChannelsAreAveragedAndSixteenBitSamplesMeasureAsTheirValues) {
  const std::vector<float> mono = Sine(500, 0.5, 1);
  std::vector<float> both, left;
  for (float v : mono) {
    both.insert(both.end(), {v, v});
    left.insert(left.end(), {v, 0.0f});
  }
  EXPECT_NEAR(Loudness(both, 2, kRate), Loudness(mono, 1, kRate), 0.01);
  EXPECT_NEAR(Loudness(left, 2, kRate), Loudness(mono, 1, kRate) - 3.01, 0.05);
  const std::vector<float> f = Sine(700, 0.3, 1);
  std::vector<std::int16_t> s(f.size());
  for (size_t i = 0; i < f.size(); ++i) s[i] = static_cast<std::int16_t>(std::lround(f[i] * 32768));
  EXPECT_NEAR(Loudness(s, 1, kRate), Loudness(f, 1, kRate), 0.01);
}

// The gain (and the scaling of 16-bit samples) reaches the asked level unless the peak would
// pass its ceiling.
TEST(ForgeLoudness, GainAndScalingReachTheLevelUnlessThePeakHoldsIt) {
  std::vector<float> s = Then(Sine(500, 0.1, 0.5), std::vector<float>(kRate, 0.0f));
  const double gain = LoudnessGain(s, 1, kRate, -20);
  for (float& v : s) v = static_cast<float>(v * gain);
  EXPECT_NEAR(Loudness(s, 1, kRate), -20, 0.05);

  // A sine is 3 dB below its peak, so -3 cannot be reached under a peak of -1 dBFS.
  std::vector<float> quiet = Sine(500, 0.02, 0.5);
  const double held = LoudnessGain(quiet, 1, kRate, -3);
  EXPECT_NEAR(20 * std::log10(Peak(quiet) * held), -1, 0.01);
  EXPECT_NEAR(LoudnessGain(quiet, 1, kRate, -3, -6) * Peak(quiet), std::pow(10, -6 / 20.0), 1e-4);
  EXPECT_EQ(LoudnessGain(std::vector<float>(100, 0.0f), 1, kRate, -20), 1);

  // Scaled 16-bit samples keep their peak below full scale.
  std::vector<std::int16_t> loud(kRate);
  for (size_t i = 0; i < loud.size(); ++i) {
    loud[i] = static_cast<std::int16_t>(std::lround(3000 * std::sin(2 * M_PI * 500 * i / kRate)));
  }
  std::vector<std::int16_t> soft = loud;
  ScaleToLoudness(soft, 1, kRate, -24);
  EXPECT_NEAR(Loudness(soft, 1, kRate), -24, 0.05);
  ScaleToLoudness(loud, 1, kRate, -3);
  const int peak = std::abs(static_cast<int>(*std::max_element(
      loud.begin(), loud.end(), [](auto a, auto b) { return std::abs(a) < std::abs(b); })));
  EXPECT_NEAR(20 * std::log10(peak / 32768.0), -1, 0.01);
}

}  // namespace
}  // namespace forge
