// Test files written byte by byte: WAV clips, ".cur" cursors, and a temporary folder for them.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/audio.h"

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
inline void PutTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
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
  Bytes b;
  PutTag(b, "RIFF");
  Put32(b, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + data.size()));
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  Put32(b, 16);
  Put16(b, f.tag);
  Put16(b, f.channels);
  Put32(b, f.rate);
  const std::uint32_t block = f.channels * f.bits / 8;
  Put32(b, f.rate * block);
  Put16(b, block);
  Put16(b, f.bits);
  PutTag(b, "data");
  Put32(b, declaredData.value_or(static_cast<std::uint32_t>(data.size())));
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// 16-bit mono samples, `frames` of them, each from `sample(i)`.
inline Bytes Pcm16(std::size_t frames, const std::function<std::int16_t(std::size_t)>& sample) {
  Bytes b;
  for (std::size_t i = 0; i < frames; ++i) Put16(b, static_cast<std::uint16_t>(sample(i)));
  return b;
}

// A 16-bit mono 8000 Hz clip of `ms` milliseconds (8 frames per millisecond).
inline Bytes ToneWav(int ms, std::int16_t level = 1000) {
  return MakeWav({}, Pcm16(static_cast<std::size_t>(ms) * 8, [level](std::size_t i) {
                   return static_cast<std::int16_t>(i % 2 ? level : -level);
                 }));
}

// A folder of its own below the system's temporary folder, removed again at the end.
class TempDir {
 public:
  explicit TempDir(std::string_view name) {
    path_ = std::filesystem::temp_directory_path() /
            ("kidplay-sound-" + std::string(name) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

  // Writes `bytes` to the program-style relative name ("Sfx\A.wav").
  void Write(std::string_view name, const Bytes& bytes) const {
    const std::filesystem::path file = Resolve(name);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

  std::filesystem::path Resolve(std::string_view name) const {
    std::string rel(name);
    for (char& c : rel) {
      if (c == '\\') c = '/';
    }
    return path_ / rel;
  }

 private:
  std::filesystem::path path_;
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
