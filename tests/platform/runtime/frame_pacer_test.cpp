// Frames are shown only when the picture changed, at most once per display refresh. Loops
// under the runtime are covered by the menu frame scenarios (idle menu, Dots drag).
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

// A pacer over one 4 x 4 picture, counting how often it looks at the pixels and shows them.
struct PacerBench {
  FramePacer pacer{16};
  Surface picture{4, 4};
  int looked = 0;
  int shown = 0;
  bool Flush(std::int64_t now) {
    const std::vector<ScreenLayer> layers = {{1, picture.version(), 0, 0, 4, 4}};
    return pacer.Flush(
        layers, now,
        [this]() -> const Surface& {
          ++looked;
          return picture;
        },
        [this](const Surface&) { ++shown; });
  }
};

TEST(FramePacer, ShowsOnlyAChangedPictureAndLooksAtPixelsOnlyWhenItWasWritten) {
  PacerBench b;
  EXPECT_TRUE(b.Flush(0));  // the first picture
  EXPECT_FALSE(b.Flush(100));
  EXPECT_EQ(b.looked, 1);  // unchanged version: not even compared
  b.picture.Fill(0);       // written, but the same pixels
  EXPECT_FALSE(b.Flush(200));
  EXPECT_EQ(b.looked, 2);
  b.picture.row(2)[3] = 0x00FFFFFF;
  EXPECT_TRUE(b.Flush(300));
  EXPECT_EQ(b.shown, 2);
  EXPECT_EQ(b.pacer.FramesShown(), 2);
}

TEST(FramePacer, AFrameIsDueOnlyWhenAskedForAndOneRefreshAfterTheLast) {
  PacerBench b;
  EXPECT_FALSE(b.pacer.Due(0));  // nothing asked for
  b.pacer.Request();
  EXPECT_TRUE(b.pacer.Due(0));
  EXPECT_TRUE(b.Flush(1000));
  EXPECT_FALSE(b.pacer.Pending());
  b.pacer.Request();
  b.pacer.Request();  // many requests are one
  EXPECT_EQ(b.pacer.NextFrameAt(), 1016);
  EXPECT_FALSE(b.pacer.Due(1015));
  EXPECT_TRUE(b.pacer.Due(1016));
  // An unchanged picture shows nothing and keeps the time of the last frame.
  EXPECT_FALSE(b.Flush(1016));
  EXPECT_EQ(b.pacer.NextFrameAt(), 1016);
}

}  // namespace
}  // namespace platform
