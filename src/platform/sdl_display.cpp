#include "platform/sdl_display.h"

#include <SDL.h>

namespace platform {

namespace {

constexpr DisplayMode kCanvasMode{16, 800, 600, 0};

bool SameShape(const DisplayMode& a, const DisplayMode& b) {
  return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width && a.height == b.height;
}

}  // namespace

DisplayMode SdlDisplayDriver::DesktopMode() {
  SDL_DisplayMode m;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetDesktopDisplayMode(0, &m) != 0 || m.w <= 0 ||
      m.h <= 0) {
    return DisplayMode{32, 1024, 768, 60};
  }
  // SDL names a padded 24-bit format (XRGB8888) by its 24 colour bits; the desktop calls that
  // 32 bits per pixel.
  std::uint32_t bits = SDL_BITSPERPIXEL(m.format);
  if (SDL_BYTESPERPIXEL(m.format) == 4) bits = 32;
  return DisplayMode{bits, static_cast<std::uint32_t>(m.w), static_cast<std::uint32_t>(m.h),
                     static_cast<std::uint32_t>(m.refresh_rate > 0 ? m.refresh_rate : 0)};
}

bool SdlDisplayDriver::EnumDisplaySettings(int modeNumber, DisplayMode& mode) {
  switch (modeNumber) {
    case kEnumCurrentSettings:
      mode = current_ ? *current_ : DesktopMode();
      return true;
    case 0:
      mode = kCanvasMode;
      return true;
    case 1:
      mode = DesktopMode();
      return true;
    default:
      return false;
  }
}

int SdlDisplayDriver::ChangeDisplaySettings(const DisplayMode& mode, std::uint32_t /*flags*/) {
  if (!SameShape(mode, kCanvasMode) && !SameShape(mode, DesktopMode())) {
    return kDispChangeBadMode;
  }
  current_ = mode;
  return kDispChangeSuccessful;
}

}  // namespace platform
