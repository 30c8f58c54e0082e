#include "shell/desktop_icons.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace shell {
namespace {

using namespace DesktopMessages;

// A desktop icon list living in "another process": item places are written into buffers that
// the fake memory hands out, exactly where the program asks.
class FakeDesktop final : public DesktopWindows, public SharedMemory {
 public:
  bool present = true;
  bool autoArrange = false;
  bool nt = true;
  std::vector<IconPlace> icons;
  std::vector<std::string> commands;  // what was sent besides reads
  std::map<std::uintptr_t, std::vector<std::uint8_t>> memory;
  int openBuffers = 0;

  static constexpr WindowHandle kProgman = 10, kView = 11, kList = 12;

  WindowHandle FindWindow(const char* cls) override {
    return present && std::string(cls) == "Progman" ? kProgman : 0;
  }
  WindowHandle FindChildWindow(WindowHandle parent, const char* cls) override {
    if (parent == kProgman && std::string(cls) == "SHELLDLL_defVIEW") return kView;
    if (parent == kView && std::string(cls) == "SysListView32") return kList;
    return 0;
  }
  WindowHandle GetParent(WindowHandle w) override { return w == kList ? kView : 0; }
  std::int32_t GetWindowLong(WindowHandle w, int index) override {
    return w == kList && index == kStyleIndex && autoArrange ? kAutoArrangeStyle | 0x3 : 0x3;
  }
  std::uint32_t GetWindowProcessId(WindowHandle) override { return 4242; }
  std::intptr_t SendMessage(WindowHandle w, std::uint32_t msg, std::uintptr_t wp,
                            std::intptr_t lp) override {
    if (w == kList && msg == kGetItemCount) return static_cast<std::intptr_t>(icons.size());
    if (w == kList && msg == kGetItemPosition) {
      auto& buffer = memory.at(static_cast<std::uintptr_t>(lp));
      std::int32_t point[2] = {icons.at(wp).X, icons.at(wp).Y};
      std::memcpy(buffer.data(), point, sizeof point);
      return 1;
    }
    if (w == kList && msg == kSetItemPosition) {
      commands.push_back("set " + std::to_string(wp) + " " + std::to_string(lp));
      if (wp < icons.size())
        icons[wp] = {static_cast<std::int32_t>(lp & 0xFFFF), static_cast<std::int32_t>(lp >> 16)};
      return 1;
    }
    if (w == kView && msg == kCommand && wp == kToggleAutoArrange) {
      autoArrange = !autoArrange;
      commands.push_back("toggle");
      return 0;
    }
    commands.push_back("other");
    return 0;
  }

  bool IsWindowsNT() override { return nt; }
  std::uintptr_t AllocRemoteBuffer(std::uint32_t pid, std::size_t size,
                                   std::uintptr_t& process) override {
    EXPECT_EQ(pid, 4242u);
    process = 77;
    ++openBuffers;
    memory[0x1000] = std::vector<std::uint8_t>(size);
    return 0x1000;
  }
  void FreeRemoteBuffer(std::uintptr_t process, std::uintptr_t address, std::size_t) override {
    EXPECT_EQ(process, 77u);
    memory.erase(address);
    --openBuffers;
  }
  bool ReadRemote(std::uintptr_t, std::uintptr_t address, void* out, std::size_t size) override {
    std::memcpy(out, memory.at(address).data(), size);
    return true;
  }
  std::uintptr_t AllocSharedBuffer(std::size_t size, std::uintptr_t& mapping) override {
    mapping = 88;
    ++openBuffers;
    memory[0x2000] = std::vector<std::uint8_t>(size);
    return 0x2000;
  }
  void FreeSharedBuffer(std::uintptr_t mapping, std::uintptr_t view) override {
    EXPECT_EQ(mapping, 88u);
    memory.erase(view);
    --openBuffers;
  }
  void ReadShared(std::uintptr_t view, void* out, std::size_t size) override {
    std::memcpy(out, memory.at(view).data(), size);
  }
};

using Xy = std::vector<std::pair<int, int>>;
Xy Places(const std::vector<IconPlace>& icons) {
  Xy out;
  for (const IconPlace& p : icons) out.emplace_back(p.X, p.Y);
  return out;
}

// The places come back after the mode switch crowded the icons, through either kind of shared
// memory; automatic arrangement is suspended before the first icon moves and put back after the
// last, only when it was on; an icon added after the save keeps its place.
TEST(DesktopIcons, PlacesComeBackAndArrangementIsSuspendedOnlyWhenItWasOn) {
  for (const bool nt : {true, false}) {
    for (const bool arranged : {true, false}) {
      SCOPED_TRACE(testing::Message() << "nt " << nt << ", arranged " << arranged);
      FakeDesktop desktop;
      desktop.nt = nt;
      desktop.autoArrange = arranged;
      desktop.icons = {{40, 300}, {120, 10}, {0, 0}};
      DesktopIcons places(desktop, desktop);
      ASSERT_TRUE(places.SaveDesktopIcons());
      EXPECT_EQ(desktop.openBuffers, 0);
      EXPECT_FALSE(desktop.autoArrange);
      std::vector<std::string> want;
      if (arranged) want.push_back("toggle");
      EXPECT_EQ(desktop.commands, want);  // saving moves nothing
      desktop.icons = {{5, 5}, {6, 6}, {7, 7}, {99, 99}};
      places.RestoreDesktopIcons();
      EXPECT_EQ(Places(desktop.icons), (Xy{{40, 300}, {120, 10}, {0, 0}, {99, 99}}));
      EXPECT_EQ(desktop.autoArrange, arranged);
      // Each place packed as Y * 65536 + X.
      for (const char* set : {"set 0 19660840", "set 1 655480", "set 2 0"}) want.push_back(set);
      if (arranged) want.push_back("toggle");
      EXPECT_EQ(desktop.commands, want);
    }
  }
  // An icon removed after the save: only the ones still there are placed.
  FakeDesktop desktop;
  desktop.icons = {{10, 10}, {20, 20}};
  DesktopIcons places(desktop, desktop);
  places.SaveDesktopIcons();
  desktop.icons = {{1, 1}};
  places.RestoreDesktopIcons();
  EXPECT_EQ(desktop.commands, std::vector<std::string>{"set 0 " + std::to_string(10 * 65536 + 10)});
}

// No icons, no desktop list (and so always on Linux): nothing saved, nothing moved later.
TEST(DesktopIcons, NoListOrNoIconsMeansNothingSavedAndNothingMoved) {
  FakeDesktop empty, absent;
  absent.present = false;
  NoDesktopWindows linuxDesktop;
  NoSharedMemory linuxMemory;
  DesktopIcons zero(empty, empty), none(absent, absent), onLinux(linuxDesktop, linuxMemory);
  for (DesktopIcons* places : {&zero, &none, &onLinux}) {
    EXPECT_FALSE(places->SaveDesktopIcons());
    empty.icons = absent.icons = {{3, 3}};  // an icon that appeared later keeps its place
    places->RestoreDesktopIcons();
    EXPECT_TRUE(places->SavedPlaces().empty());
  }
  EXPECT_TRUE(empty.commands.empty() && absent.commands.empty());
  EXPECT_EQ(empty.icons[0].X, 3);
}

// Y high, X low; a negative X would borrow from Y, a wide one spill into it.
TEST(DesktopIcons, PlacesArePackedYHighXLowAndClampedToTheirHalves) {
  const std::pair<IconPlace, std::intptr_t> cases[] = {
      {{40, 300}, 300 * 65536 + 40},           {{0, 0}, 0},
      {{32767, 32767}, 32767 * 65536 + 32767}, {{-20, 300}, 300 * 65536},
      {{70000, 5}, 5 * 65536 + 32767},         {{5, -1}, 5}};
  for (const auto& [place, packed] : cases)
    EXPECT_EQ(DesktopIcons::PackPlace(place), packed) << place.X << "," << place.Y;
}

}  // namespace
}  // namespace shell
