#include "platform/sdl_display.h"

#include <gtest/gtest.h>

namespace {

using platform::DisplayMode;

DisplayMode Enum(platform::SdlDisplayDriver& d, int n) {
  DisplayMode m;
  EXPECT_TRUE(d.EnumDisplaySettings(n, m));
  return m;
}

bool operator==(const DisplayMode& a, const DisplayMode& b) {
  return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width && a.height == b.height &&
         a.frequency == b.frequency;
}

// The tests run without SDL's video, so the desktop is the fixed stand-in.
TEST(SdlDisplayDriver, OffersCanvasAndDesktopAndRemembersOnlyThose) {
  platform::SdlDisplayDriver d;
  const DisplayMode canvas{16, 800, 600, 0}, desktop{32, 1024, 768, 60};
  EXPECT_TRUE(Enum(d, 0) == canvas);
  EXPECT_TRUE(Enum(d, 1) == desktop);
  EXPECT_TRUE(Enum(d, platform::kEnumCurrentSettings) == desktop);
  DisplayMode m;
  EXPECT_FALSE(d.EnumDisplaySettings(2, m));
  EXPECT_FALSE(d.EnumDisplaySettings(-2, m));

  EXPECT_EQ(d.ChangeDisplaySettings({16, 800, 600, 75}, 1), platform::kDispChangeSuccessful);
  EXPECT_EQ(d.ChangeDisplaySettings({32, 800, 600, 0}, 1), platform::kDispChangeBadMode);
  EXPECT_TRUE(Enum(d, platform::kEnumCurrentSettings) == (DisplayMode{16, 800, 600, 75}));
  EXPECT_EQ(d.ChangeDisplaySettings(desktop, 1), platform::kDispChangeSuccessful);
  EXPECT_TRUE(Enum(d, platform::kEnumCurrentSettings) == desktop);
}

}  // namespace
