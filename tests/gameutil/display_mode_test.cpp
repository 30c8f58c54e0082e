#include <tuple>

#include "fake_host.h"

namespace {

using namespace GameUtil;
using platform::DisplayMode;

auto Fields(const DisplayMode& m) {
  return std::tuple(m.bitsPerPixel, m.width, m.height, m.frequency);
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

// The rate in use before the first switch is carried over, unless it is 0 or 1 (the
// hardware's default): then the listed mode's own rate stays.
TEST_F(DisplayModes, SwitchesTwiceAndRestoresTheModeFromBefore) {
  struct Case {
    std::uint32_t before, at85, at0;
  };
  for (const auto& [before, at85, at0] : {Case{75, 75, 75}, Case{0, 85, 0}, Case{1, 85, 0}}) {
    SCOPED_TRACE(before);
    ResetSavedState();
    display().changes.clear();
    display().current = {32, 1024, 768, before};
    SetDisplayMode(800, 600, 16);
    EXPECT_EQ(Fields(display().current), Fields({16, 800, 600, at85}));
    SetDisplayMode(800, 600, 32);
    EXPECT_EQ(Fields(display().current), Fields({32, 800, 600, at0}));
    RestoreDisplayMode();
    EXPECT_EQ(Fields(display().current), Fields({32, 1024, 768, at0}));
    ASSERT_EQ(display().changes.size(), 3u);
    EXPECT_EQ(display().changes[0].second, platform::kUpdateRegistry);
  }
  EXPECT_TRUE(host.boxes.empty());
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
    EXPECT_EQ(host.boxes, (std::vector<Box>{{"Kidplay", text, platform::MessageIcon::Error}}));
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

}  // namespace
