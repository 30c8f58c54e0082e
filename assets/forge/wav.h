// 16-bit PCM WAV files.
#pragma once
#include <cstdint>
#include <vector>

namespace forge {

// A RIFF/WAVE file: a 16-byte PCM "fmt " chunk and a "data" chunk of interleaved samples.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int channels,
                                    int rate);

}  // namespace forge
