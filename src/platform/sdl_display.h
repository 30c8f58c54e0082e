// The display-mode driver of the running program. The user's screen resolution is never
// changed: the window always shows the 800 x 600 canvas, scaled to fit, whatever mode the game
// library asks for.
#pragma once
#include <optional>

#include "platform/display_mode.h"

namespace platform {

// Offers two modes: number 0 is the 800 x 600 x 16 canvas, number 1 the desktop's own mode.
// A change to either is accepted and only remembered as the current mode.
class SdlDisplayDriver : public DisplayDriver {
 public:
  bool EnumDisplaySettings(int modeNumber, DisplayMode& mode) override;
  int ChangeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) override;

  // The desktop mode of display 0, or 1024 x 768 x 32 at 60 Hz while SDL's video is not up.
  static DisplayMode DesktopMode();

 private:
  std::optional<DisplayMode> current_;
};

}  // namespace platform
