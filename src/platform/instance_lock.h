// One copy of the program at a time.
#pragma once
#include <filesystem>
#include <optional>

namespace platform {

// Holds an exclusive lock on a file for as long as it lives. The kernel drops the lock when
// the process dies, so a killed run never blocks the next start.
class InstanceLock {
 public:
  // The lock file: $XDG_RUNTIME_DIR/kidplay.lock, else kidplay-<uid>.lock in the temp folder.
  static std::filesystem::path DefaultFile();
  // Nothing when another process holds the lock (or the file cannot be opened).
  static std::optional<InstanceLock> Acquire(const std::filesystem::path& file);

  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&& other) noexcept;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

 private:
  explicit InstanceLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace platform
