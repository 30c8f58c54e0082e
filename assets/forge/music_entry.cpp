// Rendering a music entry with its selection (music_select.h); kept apart from the selection so
// that the selection's tests need no synthesiser.
#include <cmath>

#include "loudness.h"
#include "make.h"
#include "music_select.h"

namespace forge {

std::vector<std::int16_t> RenderMusicEntry(const Entry& e, const std::string& source,
                                           std::vector<std::string>& warnings) {
  const MusicSelection selection = ReadMusicSelection(e.musicOptions);
  const Score part = SelectPart(ParseScore(source, e.source), selection, e.source);
  std::vector<std::int16_t> samples =
      RenderScore(part, selection.soundFont.empty() ? kSoundFont : selection.soundFont);
  if (selection.level < 0) {
    ScaleToLoudness(samples, 2, 44100, selection.level);
    const double reached = Loudness(samples, 2, 44100);
    if (reached < selection.level - 1) {
      warnings.push_back(e.path + ": held at " + std::to_string(std::lround(reached)) +
                         " dB, not " + std::to_string(std::lround(selection.level)) +
                         ", to keep its peak at -1 dBFS");
    }
  }
  return samples;
}

}  // namespace forge
