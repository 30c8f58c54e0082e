// Frames are shown only when the picture changed, at most once per display refresh.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime.h"
#include "support/headless_run.h"

namespace platform {
namespace {

using testsupport::HeadlessRun;

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

// A form whose click runs a loop of `passes` passes; `draw` changes its picture for pass i.
class LoopForm : public Form {
 public:
  LoopForm(Runtime& rt, int passes, std::function<void(LoopForm&, int)> draw)
      : Form(rt, "LoopForm"), passes_(passes), draw_(std::move(draw)) {}
  void Form_Click() override {
    for (int i = 0; i < passes_; ++i) {
      draw_(*this, i);
      Refresh();
      runtime().DoEvents();
    }
  }

 private:
  int passes_;
  std::function<void(LoopForm&, int)> draw_;
};

std::vector<long> FrameTimes(const std::vector<std::string>& trace) {
  std::vector<long> times;
  for (const auto& line : trace) {
    if (line.ends_with(" frame")) times.push_back(std::stol(line));
  }
  return times;
}

TEST(FramePacer, LoopsShowAFrameOnlyForAChangeAndAtMostOneARefresh) {
  struct Case {
    const char* what;
    std::function<void(LoopForm&, int)> draw;
    std::size_t minFrames, maxFrames;
  };
  const Case cases[] = {
      // The menu after its logo: the same picture drawn again on every pass.
      {"same picture", [](LoopForm& f, int) { f.Image().Fill(0x00336699); }, 1, 1},
      // An animation changing on every 10 ms pass: a frame every second pass, the last one
      // once its refresh has come.
      {"moving", [](LoopForm& f, int i) { f.Image().Fill(static_cast<std::uint32_t>(i)); }, 50, 51},
      // A burst of refreshes inside one pass counts once.
      {"burst",
       [](LoopForm& f, int i) {
         for (int k = 0; k < 20; ++k) {
           f.Image().Fill(static_cast<std::uint32_t>(i * 20 + k));
           f.Refresh();
         }
       },
       50, 51},
  };
  for (const Case& c : cases) {
    HeadlessRun run("wait 10\nclick 1 1\nwait 2000\n", {}, true);
    auto& form = run.rt().Create<LoopForm>(100, c.draw);
    form.Show();
    EXPECT_EQ(run.rt().Run(), 0);
    const std::vector<long> frames = FrameTimes(run.Trace());
    // The form's first picture is a frame of its own, before the loop.
    ASSERT_FALSE(frames.empty()) << c.what;
    EXPECT_GE(frames.size() - 1, c.minFrames) << c.what;
    EXPECT_LE(frames.size() - 1, c.maxFrames) << c.what;
    for (std::size_t i = 1; i < frames.size(); ++i)
      EXPECT_GE(frames[i] - frames[i - 1], 16) << c.what << " frame " << i;
    EXPECT_EQ(run.rt().FramesShown(), static_cast<std::int64_t>(frames.size())) << c.what;
  }
}

}  // namespace
}  // namespace platform
