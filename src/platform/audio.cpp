#include "platform/audio.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <vector>

#include "platform/wav.h"

namespace platform {
namespace {

// Decoded clips kept for replay; the games' effects and loops fit well within this.
constexpr std::size_t kCacheBytes = 48u << 20;

// How long a synchronous sound may wait, past its length, for the device to mix its end, and
// how often it looks.
constexpr std::int64_t kMixWaitMs = 250;
constexpr std::int64_t kMixPollMs = 2;

// Error codes of the media channel (any non-zero value is an error to the games).
constexpr int kErrBadQuotes = 256;
constexpr int kErrUnknownKeyword = 259;
constexpr int kErrUnknownCommand = 261;
constexpr int kErrNotOpen = 263;
constexpr int kErrAliasInUse = 265;
constexpr int kErrNoCommand = 267;
constexpr int kErrMissingParameter = 273;
constexpr int kErrCannotOpen = 275;
constexpr int kErrUnknownType = 266;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// Splits a command into words at runs of blanks; a word in double quotes may hold blanks.
// False for an unclosed quote.
bool SplitWords(std::string_view text, std::vector<std::string>& words) {
  std::size_t i = 0;
  const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (true) {
    while (i < text.size() && blank(text[i])) ++i;
    if (i == text.size()) return true;
    if (text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) return false;
      words.emplace_back(text.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      const std::size_t start = i;
      while (i < text.size() && !blank(text[i])) ++i;
      words.emplace_back(text.substr(start, i - start));
    }
  }
}

// Holds the device lock while the mixer's voices change; nothing to hold without a device.
class DeviceLock {
 public:
  explicit DeviceLock(SDL_AudioDeviceID device) : device_(device) {
    if (device_) SDL_LockAudioDevice(device_);
  }
  ~DeviceLock() {
    if (device_) SDL_UnlockAudioDevice(device_);
  }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

}  // namespace

struct SoundSystem::Impl {
  // One open alias of the media channel.
  struct Media {
    Voice voice;
    bool sounding = false;       // mixed by the device (between play and stop)
    bool started = false;        // play has been sent at least once
    std::int64_t playStart = 0;  // clock time of the last play
    std::int64_t stoppedAt = 0;  // position held by a stop
    std::int64_t Position(std::int64_t now) const {
      if (!started) return 0;
      if (!sounding) return stoppedAt;
      return std::clamp<std::int64_t>(now - playStart, 0, voice.clip->lengthMs);
    }
  };

  Hooks hooks;
  SDL_AudioDeviceID device = 0;
  bool audioStarted = false;
  ClipCache cache{kCacheBytes};

  // Mixer state, also read by the device callback: change it only under DeviceLock. The
  // callback itself only moves the voices' positions.
  Voice wave;
  std::map<std::string, Media> media;  // by alias in lower case

  // What the wave channel reports, on the program's clock.
  std::int64_t waveStart = 0;
  bool waveSync = false;
  int syncDepth = 0;  // synchronous plays waiting right now

  std::int64_t Now() const { return hooks.now ? hooks.now() : 0; }

  bool WavePlaying() const {
    return wave.clip && (wave.loop || Now() < waveStart + wave.clip->lengthMs);
  }

  bool SyncBusy() const { return syncDepth > 0 || (waveSync && WavePlaying()); }

  // The device mixes a buffer at a time, somewhat behind the clock: once a synchronous sound's
  // length has passed, waits (briefly at most) until the device has taken all of `clip`, so the
  // next sound cannot cut its end.
  void WaitUntilMixed(const Clip* clip) {
    if (!device || !hooks.wait) return;
    for (std::int64_t waited = 0; waited < kMixWaitMs; waited += kMixPollMs) {
      {
        DeviceLock lock(device);
        if (wave.clip.get() != clip || wave.pos >= clip->samples.size()) return;
      }
      hooks.wait(kMixPollMs);
    }
  }

  std::shared_ptr<const Clip> Load(std::string_view path) {
    if (!hooks.resolve) return nullptr;
    const std::optional<std::string> file = hooks.resolve(path);
    if (!file || file->empty()) return nullptr;
    return cache.Get(*file);
  }

  static void Callback(void* user, Uint8* stream, int len) {
    auto* self = static_cast<Impl*>(user);
    std::memset(stream, 0, static_cast<std::size_t>(len));
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const std::size_t count = static_cast<std::size_t>(len) / sizeof(std::int16_t);
    MixVoice(self->wave, out, count);
    for (auto& entry : self->media) {
      if (entry.second.sounding) MixVoice(entry.second.voice, out, count);
    }
  }

  void OpenDevice() {
    // SIGTERM and SIGINT are the runtime's: SDL would turn them into the close button.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    audioStarted = true;
    SDL_AudioSpec want{};
    SDL_AudioSpec have{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = kMixChannels;
    want.samples = 1024;
    want.callback = &Impl::Callback;
    want.userdata = this;
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device) {
      SDL_PauseAudioDevice(device, 0);
    } else {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      audioStarted = false;
    }
  }

  int Open(const std::vector<std::string>& words);
  int Close(const std::vector<std::string>& words);
  int Play(const std::vector<std::string>& words);
  int Stop(const std::vector<std::string>& words);
  int Status(const std::vector<std::string>& words, std::string* reply);
};

// open FILE [TYPE waveaudio] [ALIAS NAME]; without an alias the file name names the device.
int SoundSystem::Impl::Open(const std::vector<std::string>& words) {
  if (words.size() < 2) return kErrMissingParameter;
  std::string alias = Lower(words[1]);
  for (std::size_t i = 2; i < words.size(); i += 2) {
    const std::string key = Lower(words[i]);
    if (i + 1 == words.size())
      return key == "type" || key == "alias" ? kErrMissingParameter : kErrUnknownKeyword;
    if (key == "type") {
      if (Lower(words[i + 1]) != "waveaudio") return kErrUnknownType;
    } else if (key == "alias") {
      alias = Lower(words[i + 1]);
    } else {
      return kErrUnknownKeyword;
    }
  }
  if (alias == "all") return kErrUnknownKeyword;
  if (media.count(alias)) return kErrAliasInUse;
  std::shared_ptr<const Clip> clip = Load(words[1]);
  if (!clip) return kErrCannotOpen;
  Media m;
  m.voice.clip = std::move(clip);
  DeviceLock lock(device);
  media.emplace(alias, std::move(m));
  return 0;
}

int SoundSystem::Impl::Close(const std::vector<std::string>& words) {
  if (words.size() != 2) return words.size() < 2 ? kErrMissingParameter : kErrUnknownKeyword;
  const std::string alias = Lower(words[1]);
  DeviceLock lock(device);
  if (alias == "all") {
    media.clear();
    return 0;
  }
  return media.erase(alias) ? 0 : kErrNotOpen;
}

// play NAME: from the start, whatever happened before.
int SoundSystem::Impl::Play(const std::vector<std::string>& words) {
  if (words.size() != 2) return words.size() < 2 ? kErrMissingParameter : kErrUnknownKeyword;
  auto it = media.find(Lower(words[1]));
  if (it == media.end()) return kErrNotOpen;
  const std::int64_t now = Now();
  DeviceLock lock(device);
  Media& m = it->second;
  m.voice.pos = 0;
  m.sounding = true;
  m.started = true;
  m.playStart = now;
  return 0;
}

// stop NAME or stop all: silent, holding the position reached.
int SoundSystem::Impl::Stop(const std::vector<std::string>& words) {
  if (words.size() != 2) return words.size() < 2 ? kErrMissingParameter : kErrUnknownKeyword;
  const std::string alias = Lower(words[1]);
  const std::int64_t now = Now();
  auto hold = [now](Media& m) {
    m.stoppedAt = m.Position(now);
    m.sounding = false;
  };
  DeviceLock lock(device);
  if (alias == "all") {
    for (auto& entry : media) hold(entry.second);
    return 0;
  }
  auto it = media.find(alias);
  if (it == media.end()) return kErrNotOpen;
  hold(it->second);
  return 0;
}

// status NAME length | position: whole milliseconds.
int SoundSystem::Impl::Status(const std::vector<std::string>& words, std::string* reply) {
  if (words.size() != 3) return words.size() < 3 ? kErrMissingParameter : kErrUnknownKeyword;
  auto it = media.find(Lower(words[1]));
  if (it == media.end()) return kErrNotOpen;
  const std::string item = Lower(words[2]);
  std::int64_t value = 0;
  if (item == "length") {
    value = it->second.voice.clip->lengthMs;
  } else if (item == "position") {
    value = it->second.Position(Now());
  } else {
    return kErrUnknownKeyword;
  }
  if (reply) *reply = std::to_string(value);
  return 0;
}

SoundSystem::SoundSystem(Hooks hooks, bool useDevice) : impl_(std::make_unique<Impl>()) {
  impl_->hooks = std::move(hooks);
  if (useDevice) impl_->OpenDevice();
}

SoundSystem::~SoundSystem() {
  if (impl_->device) SDL_CloseAudioDevice(impl_->device);
  if (impl_->audioStarted) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int SoundSystem::PlaySound(std::string_view path, std::uint32_t flags) {
  Impl& s = *impl_;
  // A loop can only run in the background; a synchronous loop would never return.
  const bool loop = (flags & SoundFlags::kLoop) != 0;
  const bool background = loop || (flags & SoundFlags::kAsync) != 0;
  if ((flags & SoundFlags::kNoStop) && s.WavePlaying()) return 0;
  if ((flags & SoundFlags::kNoWait) && s.SyncBusy()) return 0;
  // A file that cannot be played leaves the current sound alone.
  std::shared_ptr<const Clip> clip = s.Load(path);
  if (!clip) return 0;
  const std::int64_t length = clip->lengthMs;
  const Clip* playing = clip.get();
  {
    DeviceLock lock(s.device);
    s.wave = Voice{std::move(clip), 0, loop};
  }
  s.waveStart = s.Now();
  s.waveSync = !background;
  if (!background) {
    ++s.syncDepth;
    if (s.hooks.wait) s.hooks.wait(length);
    s.WaitUntilMixed(playing);
    --s.syncDepth;
  }
  return 1;
}

bool SoundSystem::WavePlaying() {
  return impl_->WavePlaying();
}

int SoundSystem::SendCommand(std::string_view command, std::string* reply) {
  if (reply) reply->clear();
  std::vector<std::string> words;
  if (!SplitWords(command, words)) return kErrBadQuotes;
  if (words.empty()) return kErrNoCommand;
  const std::string verb = Lower(words[0]);
  if (verb == "open") return impl_->Open(words);
  if (verb == "close") return impl_->Close(words);
  if (verb == "play") return impl_->Play(words);
  if (verb == "stop") return impl_->Stop(words);
  if (verb == "status") return impl_->Status(words, reply);
  return kErrUnknownCommand;
}

bool SoundSystem::HasDevice() const {
  return impl_->device != 0;
}

}  // namespace platform
