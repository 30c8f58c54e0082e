// Parts of a note file. A `music` entry of the manifest may render only some channels of its
// note file and only a range of its beats, with its own tail, SoundFont and loudness, so one song
// gives the song itself, each instrument's solo and each short flourish.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "manifest.h"
#include "music.h"

namespace forge {

struct MusicSelection {
  std::vector<int> channels;  // channels=1,10: only these; empty: every channel
  double from = 0;            // beats=A-B: notes that start in [A, B), cut at B
  double to = -1;             // -1: to the end of the music
  double tail = -1;           // tail=S seconds after the part; -1: the note file's own
  std::string soundFont;      // soundfont=NAME as a file; empty: the forge's default
  double level = 0;           // level=DB: loudness in dB (loudness.h); 0: as rendered
};

// The option keys a music entry takes besides the manifest's own.
bool IsMusicOption(const std::string& key);
// What is wrong with one option's value; empty when it is fine.
std::string CheckMusicOption(const std::string& key, const std::string& value);
// The selection an entry's options describe (options already checked).
MusicSelection ReadMusicSelection(const std::map<std::string, std::string>& options);

// The notes of `whole` that the selection keeps, moved to start at beat 0; the part lasts the
// whole range. Throws ForgeError (prefixed with `name`) when nothing is left.
Score SelectPart(const Score& whole, const MusicSelection& s, const std::string& name);

// The SoundFont file a name stands for: "timgm6mb" (the default) or "musescore"; empty for
// anything else.
std::string SoundFontFile(const std::string& name);

// Renders a music entry: the note file, the selection of the entry's options, its SoundFont and
// loudness. Warnings (a part that had to be held below its loudness to stay unclipped) go to
// `warnings`.
std::vector<std::int16_t> RenderMusicEntry(const Entry& e, const std::string& source,
                                           std::vector<std::string>& warnings);

}  // namespace forge
