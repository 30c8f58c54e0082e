// Test files written byte by byte (WAV clips and the pieces of ".cur" files), a temporary
// folder for them, and a clock the test moves.
#pragma once
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/audio.h"
#include "platform/store/temp_folder.h"

namespace soundtest {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

struct WavFormat {
  std::uint16_t tag = 1;  // PCM
  std::uint16_t channels = 1;
  std::uint32_t rate = 8000;
  std::uint16_t bits = 16;
};

// A WAV file holding `data` as its samples. `declaredData` overrides the data chunk's size.
inline Bytes MakeWav(const WavFormat& f, const Bytes& data,
                     std::optional<std::uint32_t> declaredData = std::nullopt) {
  const std::uint32_t block = f.channels * f.bits / 8;
  Bytes b{'R', 'I', 'F', 'F'};
  Put32(b, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + data.size()));
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0});
  Put32(b, f.tag | f.channels << 16);
  Put32(b, f.rate);
  Put32(b, f.rate * block);
  Put32(b, block | f.bits << 16);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, declaredData.value_or(static_cast<std::uint32_t>(data.size())));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// 16-bit samples, `count` of them, each from `sample(i)`.
inline Bytes Pcm16(std::size_t count, const std::function<std::int16_t(std::size_t)>& sample) {
  Bytes b;
  for (std::size_t i = 0; i < count; ++i) Put16(b, static_cast<std::uint16_t>(sample(i)));
  return b;
}

// A 16-bit mono 8000 Hz clip of `ms` milliseconds (8 frames per millisecond).
inline Bytes ToneWav(int ms, std::int16_t level = 1000) {
  return MakeWav({}, Pcm16(static_cast<std::size_t>(ms) * 8, [level](std::size_t i) {
                   return static_cast<std::int16_t>(i % 2 ? level : -level);
                 }));
}

// A temporary folder whose files are named as the program names them ("Sfx\A.wav").
class TempDir : public TempFolder {
 public:
  static std::string Relative(std::string_view name) {
    std::string rel(name);
    std::replace(rel.begin(), rel.end(), '\\', '/');
    return rel;
  }
  std::filesystem::path Resolve(std::string_view name) const { return path() / Relative(name); }
  void Write(std::string_view name, const Bytes& bytes) const {
    TempFolder::Write(Relative(name), std::string(bytes.begin(), bytes.end()));
  }
};

// A sound system on a clock the test moves: `wait` lets the time pass at once.
struct FakeClock {
  std::int64_t now = 100000;
  std::vector<std::int64_t> waits;
  std::function<void()> duringWait;  // runs inside a synchronous sound's wait, before time moves

  platform::SoundSystem::Hooks Hooks(const TempDir& dir) {
    platform::SoundSystem::Hooks h;
    h.now = [this] { return now; };
    h.wait = [this](std::int64_t ms) {
      waits.push_back(ms);
      if (duringWait) duringWait();
      now += ms;
    };
    h.resolve = [&dir](std::string_view name) -> std::optional<std::string> {
      if (name.empty()) return std::nullopt;
      return dir.Resolve(name).string();
    };
    return h;
  }
};

}  // namespace soundtest
