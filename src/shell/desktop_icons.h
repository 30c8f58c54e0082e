// Saving the desktop icons' places before the screen mode changes and putting them back at the
// end. The desktop's icon list belongs to another process, so its places are read through a
// buffer that process can write to. On Linux no such list exists: saving finds nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace shell {

using WindowHandle = std::uintptr_t;

// The window services the desktop icon list is reached through.
class DesktopWindows {
 public:
  virtual ~DesktopWindows() = default;
  // A top-level window of the class, or 0.
  virtual WindowHandle FindWindow(const char* className) = 0;
  // The first child of `parent` of the class, or 0.
  virtual WindowHandle FindChildWindow(WindowHandle parent, const char* className) = 0;
  virtual WindowHandle GetParent(WindowHandle window) = 0;
  virtual std::int32_t GetWindowLong(WindowHandle window, int index) = 0;
  // The id of the process that owns the window.
  virtual std::uint32_t GetWindowProcessId(WindowHandle window) = 0;
  virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t message,
                                    std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// Buffers another process can write into.
class SharedMemory {
 public:
  virtual ~SharedMemory() = default;
  virtual bool IsWindowsNT() = 0;
  // A buffer inside process `processId`; `process` receives the handle to free it with.
  virtual std::uintptr_t AllocRemoteBuffer(std::uint32_t processId, std::size_t size,
                                           std::uintptr_t& process) = 0;
  virtual void FreeRemoteBuffer(std::uintptr_t process, std::uintptr_t address,
                                std::size_t size) = 0;
  virtual bool ReadRemote(std::uintptr_t process, std::uintptr_t address, void* out,
                          std::size_t size) = 0;
  // A block every process sees; `mapping` receives the handle to free it with.
  virtual std::uintptr_t AllocSharedBuffer(std::size_t size, std::uintptr_t& mapping) = 0;
  virtual void FreeSharedBuffer(std::uintptr_t mapping, std::uintptr_t view) = 0;
  virtual void ReadShared(std::uintptr_t view, void* out, std::size_t size) = 0;
};

namespace DesktopMessages {
constexpr std::uint32_t kGetItemCount = 0x1004;
constexpr std::uint32_t kGetItemPosition = 0x1010;
constexpr std::uint32_t kSetItemPosition = 0x100F;
constexpr std::uint32_t kCommand = 0x111;
constexpr std::uintptr_t kToggleAutoArrange = 0x7041;
constexpr std::int32_t kAutoArrangeStyle = 0x100;
constexpr int kStyleIndex = -16;
}  // namespace DesktopMessages

struct IconPlace {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

class DesktopIcons {
 public:
  DesktopIcons(DesktopWindows& windows, SharedMemory& memory)
      : windows_(windows), memory_(memory) {}

  // Remembers every icon's place and switches automatic arrangement off while the program
  // runs. False when there is no desktop icon list or no icon.
  bool SaveDesktopIcons();
  // Puts every icon that has a saved place back and switches automatic arrangement on again
  // if it was on.
  void RestoreDesktopIcons();
  WindowHandle FindDesktopListView();

  // The restore message's parameter: X in the low and Y in the high 16 bits, each clamped to
  // 0..32767 so a place off the desktop cannot spill into the other half.
  static std::intptr_t PackPlace(const IconPlace& place);

  const std::vector<IconPlace>& SavedPlaces() const { return savedIconPlaces_; }
  bool AutoArrangeWasOn() const { return autoArrangeWasOn_; }

 private:
  DesktopWindows& windows_;
  SharedMemory& memory_;
  std::vector<IconPlace> savedIconPlaces_;
  bool autoArrangeWasOn_ = false;
};

// Linux has no desktop icon list: nothing is found and nothing is moved.
class NoDesktopWindows final : public DesktopWindows {
 public:
  WindowHandle FindWindow(const char*) override { return 0; }
  WindowHandle FindChildWindow(WindowHandle, const char*) override { return 0; }
  WindowHandle GetParent(WindowHandle) override { return 0; }
  std::int32_t GetWindowLong(WindowHandle, int) override { return 0; }
  std::uint32_t GetWindowProcessId(WindowHandle) override { return 0; }
  std::intptr_t SendMessage(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {
    return 0;
  }
};

class NoSharedMemory final : public SharedMemory {
 public:
  bool IsWindowsNT() override { return false; }
  std::uintptr_t AllocRemoteBuffer(std::uint32_t, std::size_t, std::uintptr_t& p) override {
    p = 0;
    return 0;
  }
  void FreeRemoteBuffer(std::uintptr_t, std::uintptr_t, std::size_t) override {}
  bool ReadRemote(std::uintptr_t, std::uintptr_t, void*, std::size_t) override { return false; }
  std::uintptr_t AllocSharedBuffer(std::size_t, std::uintptr_t& m) override {
    m = 0;
    return 0;
  }
  void FreeSharedBuffer(std::uintptr_t, std::uintptr_t) override {}
  void ReadShared(std::uintptr_t, void*, std::size_t) override {}
};

}  // namespace shell
