// Feeds arbitrary bytes to the WAV reader and checks the clip it promises the mixer: whole
// stereo frames, a length that matches them, and mixing that stays inside the clip, also when
// it loops.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "platform/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const auto clip = platform::DecodeWav(bytes);
  if (!clip) return 0;
  fuzz::Require(!clip->samples.empty());
  fuzz::Require(clip->samples.size() % platform::kMixChannels == 0);
  fuzz::Require(clip->lengthMs >= 0);
  platform::Voice voice{std::make_shared<const platform::Clip>(*clip), 0, true};
  std::vector<std::int16_t> out(4096, 0);
  for (int i = 0; i < 3; ++i) platform::MixVoice(voice, out.data(), out.size());
  fuzz::Require(voice.pos <= clip->samples.size());
  return 0;
}
