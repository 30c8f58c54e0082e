#include "shell/desktop_icons.h"

#include <algorithm>
#include <cstring>

namespace shell {

using namespace DesktopMessages;

WindowHandle DesktopIcons::FindDesktopListView() {
  const WindowHandle program = windows_.FindWindow("Progman");
  if (program == 0) return 0;
  const WindowHandle view = windows_.FindChildWindow(program, "SHELLDLL_defVIEW");
  if (view == 0) return 0;
  return windows_.FindChildWindow(view, "SysListView32");
}

bool DesktopIcons::SaveDesktopIcons() {
  const WindowHandle list = FindDesktopListView();
  if (list == 0) return false;
  if (windows_.GetWindowLong(list, kStyleIndex) & kAutoArrangeStyle) {
    autoArrangeWasOn_ = true;
    windows_.SendMessage(windows_.GetParent(list), kCommand, kToggleAutoArrange, 0);
  }
  const std::uint32_t processId = windows_.GetWindowProcessId(list);
  const std::intptr_t count = windows_.SendMessage(list, kGetItemCount, 0, 0);
  if (count <= 0) return false;
  savedIconPlaces_.assign(static_cast<std::size_t>(count), IconPlace{});
  auto store = [&](std::size_t i, const std::int32_t(&point)[2]) {
    savedIconPlaces_[i].X = point[0];
    savedIconPlaces_[i].Y = point[1];
  };
  if (memory_.IsWindowsNT()) {
    std::uintptr_t process = 0;
    const std::uintptr_t buffer = memory_.AllocRemoteBuffer(processId, 8, process);
    if (buffer != 0) {
      for (std::size_t i = 0; i < savedIconPlaces_.size(); ++i) {
        windows_.SendMessage(list, kGetItemPosition, i, static_cast<std::intptr_t>(buffer));
        std::int32_t point[2] = {0, 0};
        if (memory_.ReadRemote(process, buffer, point, sizeof point)) store(i, point);
      }
      memory_.FreeRemoteBuffer(process, buffer, 8);
    }
  } else {
    std::uintptr_t mapping = 0;
    const std::uintptr_t view = memory_.AllocSharedBuffer(8, mapping);
    if (view != 0) {
      for (std::size_t i = 0; i < savedIconPlaces_.size(); ++i) {
        windows_.SendMessage(list, kGetItemPosition, i, static_cast<std::intptr_t>(view));
        std::int32_t point[2] = {0, 0};
        memory_.ReadShared(view, point, sizeof point);
        store(i, point);
      }
      memory_.FreeSharedBuffer(mapping, view);
    }
  }
  return true;
}

std::intptr_t DesktopIcons::PackPlace(const IconPlace& place) {
  const std::intptr_t x = std::clamp<std::int32_t>(place.X, 0, 32767);
  const std::intptr_t y = std::clamp<std::int32_t>(place.Y, 0, 32767);
  return y * 65536 + x;
}

void DesktopIcons::RestoreDesktopIcons() {
  const WindowHandle list = FindDesktopListView();
  const std::intptr_t count = list == 0 ? 0 : windows_.SendMessage(list, kGetItemCount, 0, 0);
  for (std::intptr_t i = 0; i < count; ++i) {
    if (static_cast<std::size_t>(i) >= savedIconPlaces_.size()) break;
    windows_.SendMessage(list, kSetItemPosition, static_cast<std::uintptr_t>(i),
                         PackPlace(savedIconPlaces_[static_cast<std::size_t>(i)]));
  }
  if (autoArrangeWasOn_ && list != 0)
    windows_.SendMessage(windows_.GetParent(list), kCommand, kToggleAutoArrange, 0);
}

}  // namespace shell
