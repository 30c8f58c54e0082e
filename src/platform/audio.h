// The two sound channels the games use: a wave channel (play a file with flags) and a media
// channel driven by command strings. Both are mixed into one SDL audio device; without a device
// everything runs silently with the same answers.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Flags of the wave channel, as the games pass them.
namespace SoundFlags {
constexpr std::uint32_t kSync = 0x0000;
constexpr std::uint32_t kAsync = 0x0001;
constexpr std::uint32_t kLoop = 0x0008;
constexpr std::uint32_t kNoStop = 0x0010;
constexpr std::uint32_t kNoWait = 0x2000;
constexpr std::uint32_t kFilename = 0x20000;
}  // namespace SoundFlags

class SoundSystem {
 public:
  struct Hooks {
    // Current time in milliseconds (the program's clock: real or virtual).
    std::function<std::int64_t()> now;
    // Lets `ms` milliseconds pass for a synchronous sound (sleeps, or moves a virtual clock).
    std::function<void(std::int64_t ms)> wait;
    // Turns a program path ("Sfx\Maze\Move.wav") into a file name; nothing when it cannot.
    std::function<std::optional<std::string>(std::string_view)> resolve;
  };

  // Opens the SDL audio device when `useDevice`; failure to open it is silent.
  SoundSystem(Hooks hooks, bool useDevice);
  ~SoundSystem();
  SoundSystem(const SoundSystem&) = delete;
  SoundSystem& operator=(const SoundSystem&) = delete;

  // Plays a WAV file on the wave channel. Returns 1 on success, 0 for a missing or unplayable
  // file, with kNoStop while another wave sound plays, and with kNoWait while the channel is
  // busy with a synchronous sound. kSync returns after the sound has ended.
  int PlaySound(std::string_view path, std::uint32_t flags);

  // True while the wave channel has a sound that has not ended (a loop never ends).
  bool WavePlaying();

  // Media command strings: "close all", "open F TYPE waveaudio  ALIAS A", "play A",
  // "status A length", "status A position". Returns 0 on success, non-zero on an error; status
  // replies are whole milliseconds as text, or an error text when the alias is not open.
  int SendCommand(std::string_view command, std::string* reply);

  bool HasDevice() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
