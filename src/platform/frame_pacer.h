// Decides when the screen is shown: only when its picture changed since the last frame, and
// at most once per display refresh, however many refreshes the forms ask for.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/surface.h"

namespace platform {

// One form on the screen as the pacer sees it: which form (a serial never reused), the version
// of its picture and where it lies. Equal layers in equal order make the same screen.
struct ScreenLayer {
  std::uint64_t form = 0;
  std::uint64_t version = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ScreenLayer&) const = default;
};

class FramePacer {
 public:
  // Frames are at least `intervalMs` apart.
  explicit FramePacer(std::int64_t intervalMs) : interval_(intervalMs) {}

  // A form asks for its picture to be shown.
  void Request() { pending_ = true; }
  bool Pending() const { return pending_; }
  // When the next frame may be shown.
  std::int64_t NextFrameAt() const { return shownAny_ ? lastFrame_ + interval_ : 0; }
  bool Due(std::int64_t now) const { return pending_ && now >= NextFrameAt(); }

  // Settles the request: when the screen the layers make up differs from the last frame,
  // `picture` makes it and `show` shows it, and `now` becomes the frame's time. Unchanged
  // layers are taken as the same screen without looking at a pixel; changed ones are compared
  // with the last frame pixel by pixel. True when a frame was shown.
  bool Flush(const std::vector<ScreenLayer>& layers, std::int64_t now,
             const std::function<const Surface&()>& picture,
             const std::function<void(const Surface&)>& show);
  std::int64_t FramesShown() const { return frames_; }

 private:
  std::int64_t interval_;
  bool pending_ = false;
  bool shownAny_ = false;
  std::int64_t lastFrame_ = 0;
  std::int64_t frames_ = 0;
  std::vector<ScreenLayer> shownLayers_;
  Surface shown_;
};

}  // namespace platform
