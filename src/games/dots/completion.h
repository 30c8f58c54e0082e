// The arithmetic of the completion animation, without a window: frames stepped by elapsed
// time, the picture moved by speed x elapsed / 1000, and when the next picture is due. Every
// difference of clock readings is wrap-safe, and the numbers of a read dot picture keep every
// product and place within range.
#pragma once
#include <cstdint>

#include "games/dots/dot_picture.h"

namespace dots {

struct Completion {
  std::int32_t start = 0;          // when the picture was completed
  std::int32_t previous = 0;       // the last pass
  std::int32_t animFrame = 0;      // the frame shown
  std::int32_t animFrameTime = 0;  // the last frame change
  bool done = false;               // moved off the field, or stood long enough
  std::int32_t doneTime = 0;
};

// A completion that starts at `now`, on frame 0.
Completion StartCompletion(std::int32_t now);

// One pass of the loop at `now`: steps the frame, moves the picture (its offsets) and notes
// when it is done. True once the next picture is due (3 s after done).
bool AdvanceCompletion(Completion& completion, DotPicture& picture, std::int32_t now);

// Where the picture is drawn: its offsets rounded (halves to even), and the left edge of the
// frame shown within the strip.
struct CompletionDraw {
  int x = 0;
  int y = 0;
  int frameLeft = 0;
};
CompletionDraw CompletionPlace(const Completion& completion, const DotPicture& picture);

}  // namespace dots
