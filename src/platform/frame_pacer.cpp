#include "platform/frame_pacer.h"

#include <cstring>

namespace platform {
namespace {

bool SamePicture(const Surface& a, const Surface& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  const std::size_t bytes =
      static_cast<std::size_t>(a.width()) * a.height() * sizeof(std::uint32_t);
  return bytes == 0 || std::memcmp(a.data(), b.data(), bytes) == 0;
}

}  // namespace

bool FramePacer::Flush(const std::vector<ScreenLayer>& layers, std::int64_t now,
                       const std::function<const Surface&()>& picture,
                       const std::function<void(const Surface&)>& show) {
  pending_ = false;
  if (shownAny_ && !shownLayers_.empty() && layers == shownLayers_) return false;
  const Surface& screen = picture();
  const bool same = shownAny_ && SamePicture(screen, shown_);
  shownLayers_ = layers;
  if (same) return false;
  shown_ = screen;
  shownAny_ = true;
  lastFrame_ = now;
  ++frames_;
  show(shown_);
  return true;
}

}  // namespace platform
