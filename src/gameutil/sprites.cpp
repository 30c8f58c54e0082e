#include <algorithm>
#include <cmath>
#include <limits>

#include "gameutil/gameutil.h"
#include "gameutil/numeric.h"

namespace GameUtil {

namespace {

// Positions far beyond any picture are pinned to a bound that still draws nothing, so a
// runaway sprite never overflows a conversion to int.
constexpr double kFar = 1e9;

int RoundToInt(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(RoundHalfEven(std::clamp(v, -kFar, kFar)));
}

int FloorToInt(double v) {
  if (std::isnan(v)) return 0;
  return static_cast<int>(FloorInt(std::clamp(v, -kFar, kFar)));
}

// Left edge of a strip's frame.
int FrameLeft(const Sprite& sprite) {
  return RoundToInt(static_cast<double>(sprite.frame) * sprite.frameWidth);
}

}  // namespace

void InitSprite(Sprite& sprite, std::int32_t imageSurface, std::int32_t maskSurface,
                std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                std::int32_t frameCount, std::int32_t frameWidth, std::int32_t frameHeight,
                double frameDuration, std::int32_t startFrame) {
  sprite.imageSurface = imageSurface;
  sprite.maskSurface = maskSurface;
  sprite.width = width;
  sprite.height = height;
  sprite.x = x;
  sprite.y = y;
  sprite.scale = 1.0;
  sprite.frameCount = frameCount;
  sprite.frameWidth = frameWidth;
  sprite.frameHeight = frameHeight;
  sprite.frameDuration = RoundToInt(frameDuration);
  sprite.frame = startFrame;
  sprite.tag = 0;
  sprite.name = "default";
  sprite.vx = 0;
  sprite.vy = 0;
  sprite.reverse = False;
  sprite.visible = False;
  sprite.lastFrameTime = GetTimeMs();
}

void DrawSprite(const Sprite& sprite, platform::Surface& target) {
  if (sprite.visible != True || !std::isfinite(sprite.x) || !std::isfinite(sprite.y)) return;
  const int X = RoundToInt(sprite.x);
  const int Y = RoundToInt(sprite.y);
  const auto copy = [&](std::int32_t surface, platform::Rop rop) {
    if (sprite.scale == 1.0 && sprite.frameCount == 0) {
      BitBlt(target, X, Y, sprite.width, sprite.height, surface, 0, 0, rop);
    } else if (sprite.scale == 1.0) {
      BitBlt(target, X, Y, sprite.frameWidth, sprite.frameHeight, surface, FrameLeft(sprite), 0,
             rop);
    } else {
      StretchBlt(target, X, Y, RoundToInt(sprite.frameWidth * sprite.scale),
                 RoundToInt(sprite.frameHeight * sprite.scale), surface, FrameLeft(sprite), 0,
                 sprite.frameWidth, sprite.frameHeight, rop);
    }
  };
  copy(sprite.maskSurface, platform::Rop::And);
  copy(sprite.imageSurface, platform::Rop::Paint);
}

Rect GetSpriteRect(const Sprite& sprite) {
  return Rect{FloorToInt(sprite.x), FloorToInt(sprite.y), sprite.width, sprite.height};
}

Boolean PointInRect(int x, int y, const Rect& r) {
  const long long right = static_cast<long long>(r.Left) + r.Width;
  const long long bottom = static_cast<long long>(r.Top) + r.Height;
  return (r.Left < x && x < right && r.Top < y && y < bottom) ? True : False;
}

double Distance(const Point& a, const Point& b) {
  const double dx = static_cast<double>(a.X) - b.X;
  const double dy = static_cast<double>(a.Y) - b.Y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace GameUtil
