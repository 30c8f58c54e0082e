#include "wav.h"

#include <cstddef>

namespace forge {

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, int channels,
                                    int rate) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> b(44 + static_cast<size_t>(dataSize));
  size_t at = 0;
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at++] = (v >> (8 * i)) & 0xFF;
  };
  auto tag = [&](const char* t) { put(t[0] | t[1] << 8 | t[2] << 16 | t[3] << 24, 4); };
  tag("RIFF");
  put(36 + dataSize, 4);
  tag("WAVE");
  tag("fmt ");
  put(16, 4);
  put(1, 2);  // PCM
  put(channels, 2);
  put(rate, 4);
  put(rate * channels * 2, 4);  // bytes per second
  put(channels * 2, 2);         // bytes per frame
  put(16, 2);
  tag("data");
  put(dataSize, 4);
  for (std::int16_t s : samples) put(static_cast<std::uint16_t>(s), 2);
  return b;
}

}  // namespace forge
