// The mixer playing into a real SDL audio device: SDL's disk driver, which writes every buffer
// the device plays into a raw file (signed 16-bit stereo at the mix rate, as the mixer asks for)
// and then sleeps for about one buffer's time. The test paces itself by what the device has
// written, never by the wall clock, so a busy machine only makes it slower.
#pragma once
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gameutil/fake_host.h"
#include "platform/audio.h"
#include "platform/sound/sound_files.h"
#include "platform/wav.h"

namespace soundtest {

using Samples = std::vector<std::int16_t>;

// Frames in one buffer of the device (the size the mixer asks SDL for); every change the
// mixer makes takes effect at the start of a buffer.
constexpr std::size_t kBufferFrames = 1024;
constexpr std::size_t kFrameBytes = 2 * sizeof(std::int16_t);

// A sound system on the real clock whose device is SDL's disk driver writing into `dir`.
class DiskDevice {
 public:
  explicit DiskDevice(const TempDir& dir) : file_(dir.Resolve("device.raw").string()) {
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", file_.c_str(), 1);
    platform::SoundSystem::Hooks hooks;
    hooks.now = [] {
      return std::chrono::duration_cast<std::chrono::milliseconds>(
                 std::chrono::steady_clock::now().time_since_epoch())
          .count();
    };
    hooks.wait = [](std::int64_t ms) {
      std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    };
    hooks.resolve = [&dir](std::string_view name) -> std::optional<std::string> {
      return dir.Resolve(name).string();
    };
    sound_ = std::make_unique<platform::SoundSystem>(std::move(hooks), true);
  }
  ~DiskDevice() {
    sound_.reset();
    ::unsetenv("SDL_AUDIODRIVER");
    ::unsetenv("SDL_DISKAUDIOFILE");
  }

  platform::SoundSystem& Sound() { return *sound_; }

  // Frames in the file so far. The file may lag the device by one block of the C library's
  // write buffer; Slack() covers that and the buffer being mixed.
  std::size_t Written() const {
    struct stat st {};
    return ::stat(file_.c_str(), &st) == 0 ? static_cast<std::size_t>(st.st_size) / kFrameBytes : 0;
  }
  std::size_t Slack() const {
    struct stat st {};
    const std::size_t block = ::stat(file_.c_str(), &st) == 0 ? st.st_blksize : 4096;
    return block / kFrameBytes + kBufferFrames;
  }

  // Lets the device write `frames` more frames; false when it stops writing for 20 seconds.
  bool Play(std::size_t frames) {
    const std::size_t until = Written() + frames;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Written() < until) {
      if (std::chrono::steady_clock::now() > give_up) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
  }

  // The frames within which something done by `action` first sounds: from what the file held
  // before it to what the device can have mixed just after it.
  struct Window {
    std::size_t from, to;
  };
  template <typename Action>
  Window Around(Action action) {
    const std::size_t from = Written();
    action();
    return {from, Written() + Slack()};
  }

  // Closes the device and reads back everything it played.
  Samples Stop() {
    sound_.reset();
    std::ifstream in(file_, std::ios::binary | std::ios::ate);
    Samples out(static_cast<std::size_t>(in.tellg()) / sizeof(std::int16_t));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(out.data()),
            static_cast<std::streamsize>(out.size() * sizeof(std::int16_t)));
    return out;
  }

 private:
  std::string file_;
  std::unique_ptr<platform::SoundSystem> sound_;
};

// The game library's host with the real sound system behind its two sound channels.
class DeviceHost : public FakeHost {
 public:
  platform::SoundSystem* sound = nullptr;
  int PlaySound(const std::string& path, std::uint32_t flags) override {
    return sound ? sound->PlaySound(path, flags) : 0;
  }
  int SendMediaCommand(const std::string& command, std::string* reply) override {
    return sound ? sound->SendCommand(command, reply) : 1;
  }
};

}  // namespace soundtest
