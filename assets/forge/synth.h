// Synthesised sound effects from ".sound" recipes (format in assets/README.md).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "manifest.h"

namespace forge {

enum class Wave { Sine, Square, Triangle, Saw };

struct Voice {
  bool noise = false;
  double at = 0, len = 0, amp = 0.5;
  double attack = 0.005, decay = 0, sustain = 1, release = 0.02;
  Wave wave = Wave::Sine;
  double freq = 0, to = 0;
  bool expGlide = true;
  double duty = 0.5;
  double vibrato = 0, depth = 0;
  double lowpass = 0, highpass = 0;  // 0 = off
  int repeat = 1;
  double every = 0;
};

struct Recipe {
  int rate = 22050;
  double length = -1;  // < 0: until the last voice ends
  double gain = 1;
  double normalize = -1;  // > 0: scale the peak to this level instead of using gain
  double level = 0;       // < 0: scale to this loudness in dB (loudness.h) instead of using gain
  std::vector<Voice> voices;
};

// Parses a recipe; mistakes throw ForgeError with "name:line: ".
Recipe ParseRecipe(const std::string& text, const std::string& name);

// Mono samples in -1..1, before gain and clipping.
std::vector<float> RenderVoices(const Recipe& r);

// The finished 16-bit samples: gain or normalisation, then clipping. `clipped` counts the
// samples that had to be clipped.
std::vector<std::int16_t> RenderRecipe(const Recipe& r, int* clipped = nullptr);

// The envelope level of a voice `time` seconds after it starts.
double Envelope(const Voice& v, double time);

}  // namespace forge
