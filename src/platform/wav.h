// WAV clips for the sound channels: decoding whole files into the mixer's sample format, and
// mixing a playing clip into an output buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The mixer's sample format: signed 16-bit, interleaved stereo, 44100 frames per second.
constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;

struct Clip {
  std::vector<std::int16_t> samples;  // interleaved, in the mixer's format
  std::int64_t lengthMs = 0;          // from the file's own frames and rate
};

// Decodes a WAV file held in memory. Nothing when the file is malformed, truncated, empty or in
// a format that cannot be converted.
std::optional<Clip> DecodeWav(const std::vector<std::uint8_t>& bytes);

// Reads and decodes a WAV file; nothing when it is missing, too large or unplayable.
std::optional<Clip> LoadWavFile(const std::string& fileName);

// Remembers decoded clips by file name, dropping the least recently used ones once they take
// more than `maxBytes` (a clip still playing stays alive through its own reference).
class ClipCache {
 public:
  explicit ClipCache(std::size_t maxBytes) : maxBytes_(maxBytes) {}
  std::shared_ptr<const Clip> Get(const std::string& fileName);
  std::size_t bytes() const { return bytes_; }
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string fileName;
    std::shared_ptr<const Clip> clip;
  };
  std::size_t maxBytes_;
  std::size_t bytes_ = 0;
  std::vector<Entry> entries_;  // most recently used last; the games use few sounds
};

// A clip being played: `pos` counts samples already mixed.
struct Voice {
  std::shared_ptr<const Clip> clip;
  std::size_t pos = 0;
  bool loop = false;
};

// Adds the voice's next samples into `out` (interleaved, `count` samples), saturating at the
// 16-bit limits, and advances it. A looping voice wraps to its start; another one stops at
// its end.
void MixVoice(Voice& voice, std::int16_t* out, std::size_t count);

}  // namespace platform
