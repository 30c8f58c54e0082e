// Note files (".music", format in assets/README.md) and their rendering with a SoundFont.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "manifest.h"

namespace forge {

struct Note {
  int channel = 1;   // 1..16
  double start = 0;  // beats
  double length = 1;
  int key = 60;  // MIDI note number
  int velocity = 100;
};

struct ChannelSetup {
  int channel = 1;
  int program = 1;  // GM list numbering, 1..128
  int volume = 100;
  int pan = 64;
  bool hasProgram = false;
};

struct Score {
  double tempo = 120;  // beats per minute
  double tail = 1;     // seconds after the last note ends
  double length = 0;   // at least this many beats
  double gain = 0.5;
  bool reverb = true;
  bool chorus = false;
  std::vector<ChannelSetup> channels;
  std::vector<Note> notes;

  double SecondsPerBeat() const { return 60.0 / tempo; }
  // The end of the music in seconds, tail included.
  double Seconds() const;
};

// "C4" = 60, "F#5" = 78, "Bb3" = 58, or a number 0..127; -1 for anything else.
int ParseNoteName(const std::string& s);

// Parses a note file; mistakes throw ForgeError with "name:line: ".
Score ParseScore(const std::string& text, const std::string& name);

// Renders with fluidsynth: interleaved stereo 16-bit samples at 44100 Hz.
std::vector<std::int16_t> RenderScore(const Score& s, const std::string& soundFont);

}  // namespace forge
