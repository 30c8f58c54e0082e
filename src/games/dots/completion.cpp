#include "games/dots/completion.h"

#include <algorithm>

#include "gameutil/numeric.h"

namespace dots {

namespace {

// A still picture stays this long, and every picture this long after it is done.
constexpr std::int32_t kStillMs = 7001;
constexpr std::int32_t kAfterDoneMs = 3001;
// Once off the field a picture may go on moving for a while (or a pass may come very late);
// its place is held within this, far outside the field, so the drawing arithmetic stays small.
constexpr double kFarAway = 1e6;

}  // namespace

Completion StartCompletion(std::int32_t now) {
  Completion c;
  c.start = c.previous = c.animFrameTime = now;
  return c;
}

bool AdvanceCompletion(Completion& c, DotPicture& picture, std::int32_t now) {
  using GameUtil::ElapsedMs;
  const std::int32_t frames = std::max<std::int32_t>(1, picture.animFrames);
  if (ElapsedMs(now, c.animFrameTime) > picture.animTicks) {
    if (picture.animLoop) {
      c.animFrame = (c.animFrame + 1) % frames;
    } else if (c.animFrame < frames - 1) {
      ++c.animFrame;
    }
    c.animFrameTime = now;
  }
  const double elapsed = ElapsedMs(now, c.previous);
  picture.offsetX =
      std::clamp(picture.offsetX + picture.moveX * elapsed / 1000, -kFarAway, kFarAway);
  picture.offsetY =
      std::clamp(picture.offsetY + picture.moveY * elapsed / 1000, -kFarAway, kFarAway);
  c.previous = now;
  // Only a picture moving right or down counts as moving.
  const bool moving = picture.moveX > 0 || picture.moveY > 0;
  const bool offField = picture.offsetX < -picture.pictureWidth || picture.offsetX > 800 ||
                        picture.offsetY < -picture.pictureHeight || picture.offsetY > 600;
  if (!c.done && ((moving && offField) || (!moving && ElapsedMs(now, c.start) >= kStillMs))) {
    c.done = true;
    c.doneTime = now;
  }
  return c.done && ElapsedMs(now, c.doneTime) >= kAfterDoneMs;
}

CompletionDraw CompletionPlace(const Completion& c, const DotPicture& picture) {
  CompletionDraw draw;
  draw.x = GameUtil::NearestInt(picture.offsetX);
  draw.y = GameUtil::NearestInt(picture.offsetY);
  draw.frameLeft = picture.pictureWidth * c.animFrame;
  return draw;
}

}  // namespace dots
