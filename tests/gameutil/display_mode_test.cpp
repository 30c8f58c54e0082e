#include "fake_host.h"
#include "platform/sdl_display.h"

namespace {

using namespace GameUtil;
using platform::DisplayMode;

bool Same(const DisplayMode& a, const DisplayMode& b) {
  return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width && a.height == b.height &&
         a.frequency == b.frequency;
}

class DisplayModes : public GameUtilTest {
 protected:
  void SetUp() override {
    GameUtilTest::SetUp();
    display().modes = {
        {8, 640, 480, 60}, {16, 800, 600, 85}, {32, 1024, 768, 0}, {32, 800, 600, 0}};
    display().current = {32, 1024, 768, 75};
  }
  FakeDisplay& display() { return host.fakeDisplay; }
};

TEST_F(DisplayModes, SwitchesTwiceAndRestoresTheModeFromBefore) {
  SetDisplayMode(800, 600, 16);
  ASSERT_EQ(display().changes.size(), 1u);
  EXPECT_TRUE(Same(display().changes[0].first, {16, 800, 600, 75}));
  EXPECT_EQ(display().changes[0].second, platform::kUpdateRegistry);
  SetDisplayMode(800, 600, 32);
  EXPECT_TRUE(Same(display().current, {32, 800, 600, 75}));
  RestoreDisplayMode();
  EXPECT_EQ(display().changes.size(), 3u);
  EXPECT_TRUE(Same(display().current, {32, 1024, 768, 75}));
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DisplayModes, SavedFrequencyOfZeroOrOneIsNotCarried) {
  for (std::uint32_t hz : {0u, 1u}) {
    ResetSavedState();
    display().current = {32, 1024, 768, hz};
    SetDisplayMode(800, 600, 16);
    EXPECT_TRUE(Same(display().current, {16, 800, 600, 85}));
  }
}

TEST_F(DisplayModes, EachRefusalHasItsOwnBoxAndSuccessOrRestartNone) {
  const std::pair<int, const char*> refusals[] = {
      {platform::kDispChangeFailed, "The display driver failed the specified graphics mode"},
      {platform::kDispChangeBadMode, "The graphics mode is not supported"},
      {platform::kDispChangeNotUpdated, "Unable to write settings to the registry"},
      {platform::kDispChangeBadFlags, "An invalid set of flags was passed in"},
  };
  for (const auto& [code, text] : refusals) {
    display().changeResult = code;
    host.boxes.clear();
    SetDisplayMode(800, 600, 16);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].title, "Kidplay");
    EXPECT_EQ(host.boxes[0].text, text);
    EXPECT_EQ(host.boxes[0].icon, platform::MessageIcon::Error);
  }
  host.boxes.clear();
  for (int code : {platform::kDispChangeSuccessful, platform::kDispChangeRestart}) {
    display().changeResult = code;
    SetDisplayMode(800, 600, 16);
  }
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(DisplayModes, NoMatchOrModeZeroAlreadyMatchingChangesNothing) {
  SetDisplayMode(1280, 1024, 32);
  SetDisplayMode(640, 480, 8);  // mode 0 itself: the early return
  EXPECT_TRUE(display().changes.empty());
  EXPECT_TRUE(host.boxes.empty());
  ResetSavedState();
  RestoreDisplayMode();  // nothing saved: looks for 0 x 0 and finds nothing
  EXPECT_TRUE(display().changes.empty());
}

TEST_F(DisplayModes, TheProgramsOwnDriverNeverComplains) {
  platform::SdlDisplayDriver driver;
  host.display = &driver;
  SetDisplayMode(800, 600, 16);
  RestoreDisplayMode();
  DisplayMode current;
  driver.EnumDisplaySettings(platform::kEnumCurrentSettings, current);
  EXPECT_TRUE(Same(current, platform::SdlDisplayDriver::DesktopMode()));
  EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
