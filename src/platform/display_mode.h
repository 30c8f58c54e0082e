// The display-mode driver the game library switches modes through.
#pragma once
#include <cstdint>

namespace platform {

struct DisplayMode {
  std::uint32_t bitsPerPixel = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t frequency = 0;
};

constexpr int kEnumCurrentSettings = -1;
constexpr std::uint32_t kUpdateRegistry = 1;

// Result codes of a mode change.
constexpr int kDispChangeSuccessful = 0;
constexpr int kDispChangeRestart = 1;
constexpr int kDispChangeFailed = -1;
constexpr int kDispChangeBadMode = -2;
constexpr int kDispChangeNotUpdated = -3;
constexpr int kDispChangeBadFlags = -4;

class DisplayDriver {
 public:
  virtual ~DisplayDriver() = default;
  // Mode number n of the list (0, 1, ...) or, with kEnumCurrentSettings, the mode in use.
  // False when there is no such mode.
  virtual bool EnumDisplaySettings(int modeNumber, DisplayMode& mode) = 0;
  virtual int ChangeDisplaySettings(const DisplayMode& mode, std::uint32_t flags) = 0;
};

}  // namespace platform
