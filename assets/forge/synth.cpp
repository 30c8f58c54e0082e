#include "synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>

#include "loudness.h"

namespace forge {
namespace {

constexpr double kMaxSeconds = 120;

double Number(const std::string& value, const std::string& where, const std::string& key) {
  char* end = nullptr;
  double v = std::strtod(value.c_str(), &end);
  if (value.empty() || end != value.c_str() + value.size() || !std::isfinite(v)) {
    throw ForgeError(where + "bad number '" + value + "' for " + key);
  }
  return v;
}

void Check(bool ok, const std::string& where, const std::string& what) {
  if (!ok) throw ForgeError(where + what);
}

Voice ParseVoice(const std::vector<std::string>& words, const std::string& where) {
  Voice v;
  v.noise = words[0] == "noise";
  bool hasLen = false, hasFreq = false, hasTo = false, hasEvery = false;
  std::map<std::string, bool> seen;
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& w = words[i];
    size_t eq = w.find('=');
    Check(eq != std::string::npos, where, "expected key=value, not '" + w + "'");
    std::string key = w.substr(0, eq), value = w.substr(eq + 1);
    Check(!seen[key], where, "'" + key + "' given twice");
    seen[key] = true;
    bool toneOnly = key == "wave" || key == "freq" || key == "to" || key == "glide" ||
                    key == "duty" || key == "vibrato" || key == "depth";
    bool noiseOnly = key == "lowpass" || key == "highpass";
    Check(!(toneOnly && v.noise), where, "'" + key + "' is for tones");
    Check(!(noiseOnly && !v.noise), where, "'" + key + "' is for noise");
    if (key == "wave") {
      static const std::map<std::string, Wave> waves = {{"sine", Wave::Sine},
                                                        {"square", Wave::Square},
                                                        {"triangle", Wave::Triangle},
                                                        {"saw", Wave::Saw}};
      auto it = waves.find(value);
      Check(it != waves.end(), where, "unknown wave '" + value + "'");
      v.wave = it->second;
    } else if (key == "glide") {
      Check(value == "exp" || value == "lin", where, "glide is exp or lin");
      v.expGlide = value == "exp";
    } else if (key == "repeat") {
      double r = Number(value, where, key);
      Check(r >= 1 && r <= 1000 && r == std::floor(r), where, "repeat is a whole number 1..1000");
      v.repeat = static_cast<int>(r);
    } else {
      static const std::map<std::string, double Voice::*> fields = {
          {"at", &Voice::at},           {"len", &Voice::len},
          {"amp", &Voice::amp},         {"attack", &Voice::attack},
          {"decay", &Voice::decay},     {"sustain", &Voice::sustain},
          {"release", &Voice::release}, {"freq", &Voice::freq},
          {"to", &Voice::to},           {"duty", &Voice::duty},
          {"vibrato", &Voice::vibrato}, {"depth", &Voice::depth},
          {"lowpass", &Voice::lowpass}, {"highpass", &Voice::highpass},
          {"every", &Voice::every}};
      auto it = fields.find(key);
      Check(it != fields.end(), where, "unknown key '" + key + "'");
      v.*(it->second) = Number(value, where, key);
    }
    hasLen |= key == "len";
    hasFreq |= key == "freq";
    hasTo |= key == "to";
    hasEvery |= key == "every";
  }
  Check(hasLen, where, "len= is required");
  Check(v.noise || hasFreq, where, "freq= is required for a tone");
  if (!hasTo) v.to = v.freq;
  Check(v.at >= 0 && v.len > 0 && v.len <= kMaxSeconds, where, "at >= 0 and 0 < len <= 120");
  Check(v.amp >= 0 && v.amp <= 1 && v.sustain >= 0 && v.sustain <= 1, where,
        "amp and sustain are 0..1");
  Check(v.attack >= 0 && v.decay >= 0 && v.release >= 0, where, "envelope times are >= 0");
  Check(v.noise || (v.freq > 0 && v.to > 0 && v.freq < 20000 && v.to < 20000), where,
        "frequencies are above 0 and below 20000");
  Check(v.duty >= 0.05 && v.duty <= 0.95, where, "duty is 0.05..0.95");
  Check(v.vibrato >= 0 && v.depth >= 0 && v.depth < 1, where, "vibrato >= 0, 0 <= depth < 1");
  Check(v.lowpass >= 0 && v.highpass >= 0, where, "filter frequencies are >= 0");
  Check(v.repeat == 1 || (hasEvery && v.every > 0), where, "repeat needs every= above 0");
  Check(v.at + v.len + (v.repeat - 1) * v.every <= kMaxSeconds, where,
        "a sound lasts at most 120 s");
  return v;
}

// One period of a wave at phase p in [0, 1).
double Oscillator(Wave w, double p, double duty) {
  switch (w) {
    case Wave::Sine:
      return std::sin(2 * std::numbers::pi * p);
    case Wave::Square:
      return p < duty ? 1.0 : -1.0;
    case Wave::Triangle:
      return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Wave::Saw:
      return 2 * p - 1;
  }
  return 0;
}

// A small, fixed generator so that the same recipe always gives the same file.
struct Noise {
  std::uint32_t state = 0x12345678;
  double Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state / 2147483647.5 - 1.0;
  }
};

void AddVoice(const Voice& v, double start, int rate, std::vector<float>& out, Noise& noise) {
  const auto first = static_cast<size_t>(std::llround(start * rate));
  const auto count = static_cast<size_t>(std::llround(v.len * rate));
  double phase = 0;
  double low = 0, highIn = 0, highOut = 0;
  // One-pole filters: smoothing factors from the corner frequencies.
  const double dt = 1.0 / rate;
  const double lowA = v.lowpass > 0 ? dt / (dt + 1 / (2 * std::numbers::pi * v.lowpass)) : 1;
  const double highRc = v.highpass > 0 ? 1 / (2 * std::numbers::pi * v.highpass) : 0;
  const double highA = highRc / (highRc + dt);
  for (size_t i = 0; i < count && first + i < out.size(); ++i) {
    const double time = i * dt;
    double s;
    if (v.noise) {
      s = noise.Next();
      if (v.lowpass > 0) s = low += lowA * (s - low);
      if (v.highpass > 0) {
        double in = s;
        s = highOut = highA * (highOut + in - highIn);
        highIn = in;
      }
    } else {
      double k = std::min(1.0, time / v.len);
      double f = v.expGlide ? v.freq * std::pow(v.to / v.freq, k) : v.freq + (v.to - v.freq) * k;
      if (v.vibrato > 0) f *= 1 + v.depth * std::sin(2 * std::numbers::pi * v.vibrato * time);
      s = Oscillator(v.wave, phase, v.duty);
      phase += f * dt;
      phase -= std::floor(phase);
    }
    out[first + i] += static_cast<float>(s * v.amp * Envelope(v, time));
  }
}

}  // namespace

double Envelope(const Voice& v, double time) {
  if (time < 0 || time >= v.len) return 0;
  double level;
  if (time < v.attack) {
    level = time / v.attack;
  } else if (time < v.attack + v.decay) {
    level = 1 - (1 - v.sustain) * (time - v.attack) / v.decay;
  } else {
    level = v.sustain;
  }
  const double releaseStart = v.len - v.release;
  if (v.release > 0 && time > releaseStart) {
    level *= (v.len - time) / v.release;
  }
  return level;
}

Recipe ParseRecipe(const std::string& text, const std::string& name) {
  Recipe r;
  std::map<std::string, bool> seen;
  ForEachWordLine(text, name, [&](const std::vector<std::string>& words, const std::string& where) {
    const std::string& key = words[0];
    if (key == "tone" || key == "noise") {
      r.voices.push_back(ParseVoice(words, where));
      return;
    }
    Check(key == "rate" || key == "length" || key == "gain" || key == "normalize" || key == "level",
          where, "unknown line '" + key + "'");
    Check(words.size() == 2, where, key + " takes one value");
    Check(!seen[key], where, key + " given twice");
    seen[key] = true;
    double v = Number(words[1], where, key);
    if (key == "rate") {
      Check(v >= 8000 && v <= 48000 && v == std::floor(v), where, "rate is 8000..48000");
      r.rate = static_cast<int>(v);
    } else if (key == "length") {
      Check(v > 0 && v <= kMaxSeconds, where, "length is above 0 and at most 120");
      r.length = v;
    } else if (key == "gain") {
      Check(v >= 0 && v <= 16, where, "gain is 0..16");
      r.gain = v;
    } else if (key == "level") {
      Check(v >= -40 && v <= -3, where, "level is -40..-3 dB");
      r.level = v;
    } else {
      Check(v > 0 && v <= 1, where, "normalize is above 0 and at most 1");
      r.normalize = v;
    }
  });
  if (seen["gain"] + seen["normalize"] + seen["level"] > 1) {
    throw ForgeError(name + ": use one of gain, normalize and level");
  }
  if (r.voices.empty() && r.length < 0) {
    throw ForgeError(name + ": a recipe without voices needs a length");
  }
  return r;
}

std::vector<float> RenderVoices(const Recipe& r) {
  double end = 0;
  for (const Voice& v : r.voices) end = std::max(end, v.at + (v.repeat - 1) * v.every + v.len);
  const double length = r.length > 0 ? r.length : end;
  std::vector<float> out(std::max<size_t>(1, static_cast<size_t>(std::llround(length * r.rate))));
  Noise noise;
  for (const Voice& v : r.voices) {
    for (int k = 0; k < v.repeat; ++k) AddVoice(v, v.at + k * v.every, r.rate, out, noise);
  }
  return out;
}

std::vector<std::int16_t> RenderRecipe(const Recipe& r, int* clipped) {
  std::vector<float> mix = RenderVoices(r);
  double gain = r.gain;
  if (r.normalize > 0) {
    float peak = 0;
    for (float s : mix) peak = std::max(peak, std::fabs(s));
    gain = peak > 0 ? r.normalize / peak : 1;
  } else if (r.level < 0) {
    gain = LoudnessGain(mix, 1, r.rate, r.level);
  }
  std::vector<std::int16_t> out(mix.size());
  int clips = 0;
  for (size_t i = 0; i < mix.size(); ++i) {
    double s = mix[i] * gain;
    if (s > 1 || s < -1) {
      ++clips;
      s = std::clamp(s, -1.0, 1.0);
    }
    out[i] = static_cast<std::int16_t>(std::lround(s * 32767));
  }
  if (clipped) *clipped = clips;
  return out;
}

}  // namespace forge
