// How loud a sound is to a listener, so that every sound of the program can be brought to the
// same loudness and a family never reaches for the volume between games.
#pragma once
#include <cstdint>
#include <vector>

namespace forge {

// The loudness of interleaved samples (-1..1) in dB: each channel is K-weighted (the ear's
// low-cut below about 40 Hz and its lift of about 4 dB above 1.5 kHz), its mean square is taken
// over 50 ms windows and averaged over the channels; only windows that sound count (louder than
// -50 dB, and no more than 15 dB below the average of those), so pauses, fades and tails do not
// lower it. A sound shorter than one window is one window. -100 for silence.
double Loudness(const std::vector<float>& samples, int channels, int rate);
double Loudness(const std::vector<std::int16_t>& samples, int channels, int rate);

// The factor that brings `samples` to a loudness of `db`, but never lifts their peak above
// `peakDb` dBFS (the smaller of the two wins).
double LoudnessGain(const std::vector<float>& samples, int channels, int rate, double db,
                    double peakDb = -1);

// Scales 16-bit samples to a loudness of `db` with a peak of at most -1 dBFS.
void ScaleToLoudness(std::vector<std::int16_t>& samples, int channels, int rate, double db);

}  // namespace forge
