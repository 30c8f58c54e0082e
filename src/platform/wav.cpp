#include "platform/wav.h"

#include <SDL.h>

#include <algorithm>
#include <cstring>

#include "platform/file_read.h"

namespace platform {
namespace {

// Files beyond these sizes are refused rather than decoded: the games' sounds are far smaller.
constexpr std::size_t kMaxFileBytes = FileLimits::kSound;
constexpr std::uint64_t kMaxConvertedBytes = 256u << 20;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Walks the RIFF chunks up to the sample data. SDL would quietly decode a truncated file up to
// its last whole block; a file whose chunks do not fit is refused here instead, as is one with
// no format chunk before its data or with no samples at all.
bool ChunksWhole(const std::vector<std::uint8_t>& bytes) {
  const std::size_t n = bytes.size();
  if (n < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  bool haveFormat = false;
  std::size_t off = 12;
  while (n - off >= 8) {
    const std::uint8_t* chunk = bytes.data() + off;
    const std::size_t size = ReadU32(chunk + 4);
    const std::size_t body = off + 8;
    if (size > n - body) return false;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (size < 16) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      return haveFormat && size > 0;
    }
    off = body + size + (size & 1);
    if (off > n) return false;
  }
  return false;
}

}  // namespace

std::optional<Clip> DecodeWav(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() > kMaxFileBytes || !ChunksWhole(bytes)) return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return std::nullopt;
  SDL_AudioSpec source{};
  Uint8* data = nullptr;
  Uint32 len = 0;
  if (!SDL_LoadWAV_RW(rw, 1, &source, &data, &len)) return std::nullopt;
  // Frees SDL's buffer on every way out.
  std::unique_ptr<Uint8, void (*)(Uint8*)> owned(data, SDL_FreeWAV);

  if (source.channels < 1 || source.channels > 8 || source.freq <= 0) return std::nullopt;
  const std::uint32_t frameBytes = SDL_AUDIO_BITSIZE(source.format) / 8 * source.channels;
  if (frameBytes == 0) return std::nullopt;
  const std::uint64_t frames = len / frameBytes;
  if (frames == 0) return std::nullopt;
  const std::uint64_t mixFrames = frames * kMixRate / static_cast<std::uint64_t>(source.freq) + 1;
  if (mixFrames * kMixChannels * sizeof(std::int16_t) > kMaxConvertedBytes) return std::nullopt;

  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, AUDIO_S16SYS,
                        kMixChannels, kMixRate) < 0) {
    return std::nullopt;
  }
  cvt.len = static_cast<int>(frames * frameBytes);
  const std::size_t work = static_cast<std::size_t>(cvt.len) * std::max(cvt.len_mult, 1);
  Clip clip;
  clip.samples.resize(work / sizeof(std::int16_t) + 1);
  std::memcpy(clip.samples.data(), data, static_cast<std::size_t>(cvt.len));
  owned.reset();
  int outBytes = cvt.len;
  if (cvt.needed) {
    cvt.buf = reinterpret_cast<Uint8*>(clip.samples.data());
    if (SDL_ConvertAudio(&cvt) < 0) return std::nullopt;
    outBytes = cvt.len_cvt;
  }
  const std::size_t frameOut = kMixChannels * sizeof(std::int16_t);
  const std::size_t outFrames = static_cast<std::size_t>(std::max(outBytes, 0)) / frameOut;
  if (outFrames == 0) return std::nullopt;
  clip.samples.resize(outFrames * kMixChannels);
  clip.samples.shrink_to_fit();
  clip.lengthMs =
      static_cast<std::int64_t>(frames * 1000 / static_cast<std::uint64_t>(source.freq));
  return clip;
}

std::optional<Clip> LoadWavFile(const std::string& fileName) {
  const auto bytes = ReadBoundedFile(fileName, kMaxFileBytes);
  if (!bytes) return std::nullopt;
  return DecodeWav(*bytes);
}

std::shared_ptr<const Clip> ClipCache::Get(const std::string& fileName) {
  auto it = std::find_if(entries_.begin(), entries_.end(),
                         [&](const Entry& e) { return e.fileName == fileName; });
  if (it != entries_.end()) {
    std::rotate(it, it + 1, entries_.end());
    return entries_.back().clip;
  }
  auto decoded = LoadWavFile(fileName);
  if (!decoded) return nullptr;
  auto clip = std::make_shared<const Clip>(std::move(*decoded));
  bytes_ += clip->samples.size() * sizeof(std::int16_t);
  entries_.push_back({fileName, clip});
  while (bytes_ > maxBytes_ && entries_.size() > 1) {
    bytes_ -= entries_.front().clip->samples.size() * sizeof(std::int16_t);
    entries_.erase(entries_.begin());
  }
  return clip;
}

void MixVoice(Voice& voice, std::int16_t* out, std::size_t count) {
  if (!voice.clip) return;
  const std::vector<std::int16_t>& src = voice.clip->samples;
  const std::size_t n = src.size();
  if (n == 0) return;
  std::size_t i = 0;
  while (i < count) {
    if (voice.pos >= n) {
      if (!voice.loop) return;
      voice.pos = 0;
    }
    const std::size_t k = std::min(count - i, n - voice.pos);
    for (std::size_t j = 0; j < k; ++j) {
      const int sum = out[i + j] + src[voice.pos + j];
      out[i + j] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
    }
    i += k;
    voice.pos += k;
  }
}

}  // namespace platform
