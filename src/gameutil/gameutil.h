// The game library: surfaces, sprites, hit tests, clock, random numbers, the error box, the
// sound gate, cursor visibility and the display-mode switch.
#pragma once
#include <cstdint>
#include <string>

#include "gameutil/host.h"
#include "platform/surface.h"

namespace GameUtil {

using Boolean = std::int16_t;
constexpr Boolean True = -1;
constexpr Boolean False = 0;

struct Rect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

struct Point {
  std::int32_t X = 0;
  std::int32_t Y = 0;
};

struct Sprite {
  std::int32_t tag = 0;
  std::string name;
  double x = 0;
  double y = 0;
  double vx = 0;
  double vy = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  double scale = 0;
  std::int32_t frame = 0;
  std::int32_t frameCount = 0;
  Boolean reverse = False;
  Boolean looping = False;
  std::int32_t frameDuration = 0;
  std::int32_t frameWidth = 0;
  std::int32_t frameHeight = 0;
  std::int32_t lastFrameTime = 0;
  std::int32_t imageSurface = 0;
  std::int32_t maskSurface = 0;
  Boolean visible = False;
};

// Surfaces. A picture file that fails to load is reported with one box the first time in a
// run; its later failures are silent (and draw the gap as before).
std::int32_t GenerateDC(const std::string& path);
std::int32_t GenerateEmptyDC(std::int32_t reference, std::int16_t width, std::int16_t height);
std::int32_t DeleteGeneratedDC(std::int32_t& handle);
std::int32_t GetDCCount();
// The picture behind a handle; nullptr for 0 or an unknown handle.
platform::Surface* SurfaceOf(std::int32_t handle);
// Block copies between a handle's picture and a target picture; a 0 handle draws nothing.
void BitBlt(platform::Surface& target, int x, int y, int w, int h, std::int32_t source, int sx,
            int sy, platform::Rop rop);
void BitBlt(std::int32_t target, int x, int y, int w, int h, std::int32_t source, int sx, int sy,
            platform::Rop rop);
void StretchBlt(platform::Surface& target, int x, int y, int w, int h, std::int32_t source, int sx,
                int sy, int sw, int sh, platform::Rop rop);
// A transparent picture: the w x h block at (sx, sy) of the mask copied with AND, then the same
// block of the picture with PAINT, both to (x, y).
void DrawMasked(platform::Surface& target, int x, int y, int w, int h, std::int32_t image,
                std::int32_t mask, int sx, int sy);
void DrawMasked(std::int32_t target, int x, int y, int w, int h, std::int32_t image,
                std::int32_t mask, int sx, int sy);

// Errors.
void SetErrorContext(const std::string& context);
std::string GetErrorContext();
void ShowError(const std::string& context, const std::string& message);

// Sprites and hit tests.
void InitSprite(Sprite& sprite, std::int32_t imageSurface, std::int32_t maskSurface,
                std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y,
                std::int32_t frameCount, std::int32_t frameWidth, std::int32_t frameHeight,
                double frameDuration, std::int32_t startFrame);
void DrawSprite(const Sprite& sprite, platform::Surface& target);
Rect GetSpriteRect(const Sprite& sprite);
Boolean PointInRect(int x, int y, const Rect& r);
double Distance(const Point& a, const Point& b);

// Clock and random numbers.
std::int32_t GetTimeMs();
// Milliseconds from `since` to `now`, two GetTimeMs readings, correct across the clock's wrap
// after 2^31 ms (about 24.8 days); negative when `now` is the earlier reading.
inline std::int32_t ElapsedMs(std::int32_t now, std::int32_t since) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(now) -
                                   static_cast<std::uint32_t>(since));
}
// Reseeds the program's generator (the games pass the clock).
void Randomize(double seed);
// The next uniform number in [0, 1).
float Rnd();
double RandomRange(std::int16_t lo, std::int16_t hi);

// Sound, cursor and display mode.
std::int32_t PlayGameSound(const std::string& path, std::int32_t module, std::int32_t flags);
void StopAllSounds();
void SetCursorVisible(Boolean visible);
void SetDisplayMode(std::int16_t width, std::int16_t height, std::int16_t bitsPerPixel);
void RestoreDisplayMode();
// Forgets the saved cursor count and display mode and which pictures failed to load, as at
// the start of a run (for tests that play several runs in one process).
void ResetSavedState();
// Forgets only which pictures failed to load.
void ForgetFailedPictures();

}  // namespace GameUtil

namespace Settings {
// The program-wide sound switch: sounds play only while it is exactly GameUtil::True.
extern GameUtil::Boolean soundOn;
}  // namespace Settings
