#include "platform/sdl_display.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using platform::DisplayMode;

auto Fields(const DisplayMode& m) {
  return std::tuple(m.bitsPerPixel, m.width, m.height, m.frequency);
}

// The tests run without SDL's video, so the desktop is the fixed stand-in.
TEST(SdlDisplayDriver, OffersCanvasAndDesktopAndRemembersOnlyThose) {
  platform::SdlDisplayDriver d;
  const auto mode = [&d](int n) {
    DisplayMode m;
    EXPECT_TRUE(d.EnumDisplaySettings(n, m)) << n;
    return Fields(m);
  };
  const DisplayMode canvas{16, 800, 600, 0}, desktop{32, 1024, 768, 60};
  EXPECT_EQ(mode(0), Fields(canvas));
  EXPECT_EQ(mode(1), Fields(desktop));
  EXPECT_EQ(mode(platform::kEnumCurrentSettings), Fields(desktop));
  DisplayMode m;
  EXPECT_FALSE(d.EnumDisplaySettings(2, m));
  EXPECT_FALSE(d.EnumDisplaySettings(-2, m));

  EXPECT_EQ(d.ChangeDisplaySettings({16, 800, 600, 75}, 1), platform::kDispChangeSuccessful);
  EXPECT_EQ(d.ChangeDisplaySettings({32, 800, 600, 0}, 1), platform::kDispChangeBadMode);
  EXPECT_EQ(mode(platform::kEnumCurrentSettings), Fields({16, 800, 600, 75}));
  EXPECT_EQ(d.ChangeDisplaySettings(desktop, 1), platform::kDispChangeSuccessful);
  EXPECT_EQ(mode(platform::kEnumCurrentSettings), Fields(desktop));
}

}  // namespace
