#include "gameutil/gameutil.h"

namespace GameUtil {

namespace {

// A host whose count never reaches the bound must not hang the program; real counts stay
// within a few steps of zero.
constexpr int kMaxCursorCalls = 65536;
// Mode lists have a few hundred entries at most.
constexpr int kMaxModeNumber = 100000;

bool cursorCountSaved = false;
int savedCursorCount = 0;

bool displayModeSaved = false;
platform::DisplayMode savedDisplayMode;

bool HasShape(const platform::DisplayMode& mode, std::int16_t width, std::int16_t height,
              std::int16_t bitsPerPixel) {
  return static_cast<std::int64_t>(mode.width) == width &&
         static_cast<std::int64_t>(mode.height) == height &&
         static_cast<std::int64_t>(mode.bitsPerPixel) == bitsPerPixel;
}

const char* ChangeFailureText(int result) {
  switch (result) {
    case platform::kDispChangeFailed:
      return "The display driver failed the specified graphics mode";
    case platform::kDispChangeBadMode:
      return "The graphics mode is not supported";
    case platform::kDispChangeNotUpdated:
      return "Unable to write settings to the registry";
    case platform::kDispChangeBadFlags:
      return "An invalid set of flags was passed in";
    default:
      return nullptr;
  }
}

}  // namespace

void SetCursorVisible(Boolean visible) {
  Host* host = GetHost();
  if (!host) return;
  if (!cursorCountSaved) {
    savedCursorCount = host->ShowCursor(false) + 1;
    cursorCountSaved = true;
  }
  // Walk the count below the target, then up past it, so it ends at the same value whatever
  // it was before: -1 when hidden, two above the saved count when shown.
  int calls = 0;
  if (visible == False) {
    while (host->ShowCursor(false) >= -1 && ++calls < kMaxCursorCalls) {
    }
    calls = 0;
    while (host->ShowCursor(true) < 0 && ++calls < kMaxCursorCalls) {
    }
    host->ShowCursor(false);
  } else if (visible == True) {
    while (host->ShowCursor(false) >= savedCursorCount && ++calls < kMaxCursorCalls) {
    }
    calls = 0;
    while (host->ShowCursor(true) <= savedCursorCount && ++calls < kMaxCursorCalls) {
    }
    host->ShowCursor(true);
  }
}

void SetDisplayMode(std::int16_t width, std::int16_t height, std::int16_t bitsPerPixel) {
  Host* host = GetHost();
  if (!host) return;
  platform::DisplayDriver& driver = host->Display();
  if (!displayModeSaved) {
    driver.EnumDisplaySettings(platform::kEnumCurrentSettings, savedDisplayMode);
    displayModeSaved = true;
  }
  platform::DisplayMode mode;
  if (driver.EnumDisplaySettings(0, mode) && HasShape(mode, width, height, bitsPerPixel)) return;

  for (int number = 0; number < kMaxModeNumber; ++number) {
    mode = platform::DisplayMode{};
    if (!driver.EnumDisplaySettings(number, mode)) return;
    if (!HasShape(mode, width, height, bitsPerPixel)) continue;
    // 0 and 1 stand for the hardware's default rate and are not carried over.
    if (savedDisplayMode.frequency > 1) mode.frequency = savedDisplayMode.frequency;
    const int result = driver.ChangeDisplaySettings(mode, platform::kUpdateRegistry);
    if (const char* text = ChangeFailureText(result)) {
      host->ShowMessage("Kidplay", text, platform::MessageIcon::Error);
    }
    return;
  }
}

void RestoreDisplayMode() {
  SetDisplayMode(static_cast<std::int16_t>(savedDisplayMode.width),
                 static_cast<std::int16_t>(savedDisplayMode.height),
                 static_cast<std::int16_t>(savedDisplayMode.bitsPerPixel));
}

void ResetSavedState() {
  cursorCountSaved = false;
  savedCursorCount = 0;
  displayModeSaved = false;
  savedDisplayMode = platform::DisplayMode{};
  ForgetFailedPictures();
}

}  // namespace GameUtil
