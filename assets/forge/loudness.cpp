#include "loudness.h"

#include <algorithm>
#include <cmath>

namespace forge {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kWindowSeconds = 0.05;
constexpr double kAbsoluteGateDb = -50;
constexpr double kRelativeGateDb = -15;

// One second-order filter section (direct form I), coefficients already divided by a0.
struct Biquad {
  double b0, b1, b2, a1, a2;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Step(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

Biquad Normalised(double b0, double b1, double b2, double a0, double a1, double a2) {
  return Biquad{b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

// The two stages of the K weighting, designed for any sample rate: a high shelf of +4 dB from
// about 1.5 kHz (the head's presence lift) and a high-pass at 38 Hz.
Biquad Shelf(int rate) {
  const double a = std::pow(10.0, 4.0 / 40.0);
  const double w = 2 * kPi * 1500 / rate;
  const double alpha = std::sin(w) / (2 * (1 / std::sqrt(2.0)));
  const double c = std::cos(w), s = 2 * std::sqrt(a) * alpha;
  return Normalised(a * ((a + 1) + (a - 1) * c + s), -2 * a * ((a - 1) + (a + 1) * c),
                    a * ((a + 1) + (a - 1) * c - s), (a + 1) - (a - 1) * c + s,
                    2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - s);
}

Biquad HighPass(int rate) {
  const double w = 2 * kPi * 38 / rate;
  const double alpha = std::sin(w) / (2 * 0.5);
  const double c = std::cos(w);
  return Normalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

template <typename Sample>
double LoudnessOf(const std::vector<Sample>& samples, int channels, int rate, double scale) {
  if (channels < 1 || rate < 1 || samples.size() < static_cast<size_t>(channels)) return -100;
  const size_t frames = samples.size() / channels;
  const size_t window = std::clamp<size_t>(static_cast<size_t>(rate * kWindowSeconds), 1, frames);
  std::vector<double> squares(frames / window, 0.0);
  for (int ch = 0; ch < channels; ++ch) {
    Biquad shelf = Shelf(rate), highPass = HighPass(rate);
    for (size_t i = 0; i < squares.size() * window; ++i) {
      const double y = highPass.Step(shelf.Step(samples[i * channels + ch] * scale));
      squares[i / window] += y * y;
    }
  }
  for (double& s : squares) s /= static_cast<double>(window) * channels;

  auto meanAbove = [&](double gate) {
    double sum = 0;
    size_t count = 0;
    for (double s : squares) {
      if (s > gate) {
        sum += s;
        ++count;
      }
    }
    return count ? sum / static_cast<double>(count) : 0.0;
  };
  const double absolute = meanAbove(std::pow(10.0, kAbsoluteGateDb / 10));
  if (absolute <= 0) return -100;
  const double relative = meanAbove(absolute * std::pow(10.0, kRelativeGateDb / 10));
  return 10 * std::log10(relative);
}

}  // namespace

double Loudness(const std::vector<float>& samples, int channels, int rate) {
  return LoudnessOf(samples, channels, rate, 1.0);
}

double Loudness(const std::vector<std::int16_t>& samples, int channels, int rate) {
  return LoudnessOf(samples, channels, rate, 1.0 / 32768);
}

double LoudnessGain(const std::vector<float>& samples, int channels, int rate, double db,
                    double peakDb) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::fabs(s));
  if (peak <= 0) return 1;
  const double peakLimit = std::pow(10.0, peakDb / 20) / peak;
  // The gate sees the scaled sound, so quiet windows may cross it: a few rounds settle the gain.
  double gain = 1;
  for (int round = 0; round < 4; ++round) {
    const double now = LoudnessOf(samples, channels, rate, gain);
    if (now <= -100) break;
    gain *= std::pow(10.0, (db - now) / 20);
    if (gain >= peakLimit) return peakLimit;
  }
  return std::min(gain, peakLimit);
}

void ScaleToLoudness(std::vector<std::int16_t>& samples, int channels, int rate, double db) {
  std::vector<float> f(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) f[i] = samples[i] / 32768.0f;
  // The peak limit keeps one step below full scale for the rounding to 16 bits.
  const double gain = LoudnessGain(f, channels, rate, db, -1);
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] =
        static_cast<std::int16_t>(std::clamp(std::lround(samples[i] * gain), -32767L, 32767L));
  }
}

}  // namespace forge
