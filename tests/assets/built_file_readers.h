// Reading the files the forge writes independently of the forge's own code (pictures and
// cursors are read back by the program's readers), so that the tests check the formats the
// program and other tools expect, not the forge's idea of them: a file's bytes, and WAV files.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace assettest {

using Bytes = std::vector<std::uint8_t>;

inline std::optional<Bytes> ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  Bytes b(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(b.data()), static_cast<std::streamsize>(b.size()));
  if (!in) return std::nullopt;
  return b;
}

inline std::uint32_t U16(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8);
}
inline std::uint32_t U32(const Bytes& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  size_t frames = 0;
  size_t dataAt = 0;  // where the samples start in the file
};

// Walks the RIFF chunks of a WAV file.
inline std::optional<Wav> ParseWav(const Bytes& b, std::string& error) {
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    return error = "not RIFF/WAVE", std::nullopt;
  }
  if (U32(b, 4) + 8 != b.size()) return error = "RIFF size field is wrong", std::nullopt;
  Wav w;
  bool fmt = false, data = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    std::string id(b.begin() + at, b.begin() + at + 4);
    size_t size = U32(b, at + 4);
    if (at + 8 + size > b.size()) return error = "chunk " + id + " past the end", std::nullopt;
    if (id == "fmt " && size >= 16) {
      w.format = static_cast<int>(U16(b, at + 8));
      w.channels = static_cast<int>(U16(b, at + 10));
      w.rate = static_cast<int>(U32(b, at + 12));
      w.bits = static_cast<int>(U16(b, at + 22));
      if (U32(b, at + 16) != static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8) ||
          U16(b, at + 20) != static_cast<std::uint32_t>(w.channels * w.bits / 8)) {
        return error = "byte rate or block align is wrong", std::nullopt;
      }
      fmt = true;
    } else if (id == "data") {
      if (!fmt || w.channels == 0 || w.bits == 0) return error = "data before fmt", std::nullopt;
      size_t block = static_cast<size_t>(w.channels) * w.bits / 8;
      if (size % block != 0) return error = "data is not whole frames", std::nullopt;
      w.frames = size / block;
      w.dataAt = at + 8;
      data = true;
    }
    at += 8 + size + (size & 1);
  }
  if (!fmt || !data) return error = "fmt or data chunk missing", std::nullopt;
  return w;
}

// The interleaved samples of a 16-bit WAV that ParseWav read.
inline std::vector<std::int16_t> Samples16(const Bytes& b, const Wav& w) {
  std::vector<std::int16_t> s(w.frames * w.channels);
  for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<std::int16_t>(U16(b, w.dataAt + 2 * i));
  return s;
}

}  // namespace assettest
