// The Dots game keeps a picture's surfaces from round to round, and a SIGTERM during the
// completion animation ends the program after the game has left.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "games/dots/dots_form.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace dots {
namespace {

shell::GameCatalog WithDots() {
  shell::GameCatalog catalog = shell::BaseCatalog();
  catalog[2].create = [](platform::Runtime& rt, platform::Form& menu) -> platform::Form& {
    return rt.Create<DotsForm>(menu);
  };
  return catalog;
}

// Dots opens at 10700 with its first picture, the fish: 18 dots, all connected with Space.
std::string CompleteTheFish() {
  std::string script = "wait 600\nclick 150 325\nwait 100\n";
  for (int i = 0; i < 18; ++i) script += "key Space\nwait 20\n";
  return script;
}

// Makes a surface at given times and deletes it again. Handles count up and are never given
// twice, so the gap between two probes' handles counts the surfaces made in between.
class SurfaceProbe final : public platform::Form {
 public:
  // `handles` outlives the probe, which the runtime deletes once it has unloaded.
  SurfaceProbe(platform::Runtime& rt, std::vector<int> times, std::vector<std::int32_t>& handles)
      : Form(rt, "SurfaceProbe", 0, 0, 1, 1),
        handles_(handles),
        times_(std::move(times)),
        timer_(*this, times_.front(), [this] { Probe(); }) {}
  void Arm() {
    Show();
    Hide();
    timer_.SetEnabled(true);
  }

 private:
  void Probe() {
    std::int32_t h = GameUtil::GenerateEmptyDC(0, 1, 1);
    handles_.push_back(h);
    GameUtil::DeleteGeneratedDC(h);
    if (handles_.size() == times_.size()) {
      timer_.SetEnabled(false);
      Unload();
      return;
    }
    timer_.SetInterval(times_[handles_.size()] - times_[handles_.size() - 1]);
  }
  std::vector<std::int32_t>& handles_;
  std::vector<int> times_;
  platform::Timer timer_;
};

TEST(DotsSession, ANewRoundOfThePictureLoadsNothingAnotherPictureLoadsItsOwn) {
  // The fish swims off about 5 s after its completion (11060) and the next round starts 3 s
  // later; the next button then brings the house.
  testsupport::MenuRun run(CompleteTheFish() + "wait 11000\nclick 762 500\nwait 1000\n" +
                           "key Escape\nwait 2000\nkey Escape\nwait 100\n");
  std::vector<std::int32_t> handles;
  run.rt().Create<SurfaceProbe>(std::vector<int>{1000, 12000, 13000}, handles).Arm();
  EXPECT_EQ(run.Run(WithDots()), 0);
  const auto trace = run.Trace();
  ASSERT_EQ(handles.size(), 3u);
  // Between the first two probes: the fish's completion and a whole new round of it.
  EXPECT_FALSE(testsupport::TraceFrom(trace, "sound 9 1 Sfx\\Dots\\fish.wav").empty());
  EXPECT_EQ(handles[1] - handles[0] - 1, 0);
  // The house: its picture, mask and background.
  EXPECT_EQ(handles[2] - handles[1] - 1, 3);
  EXPECT_EQ(trace.back().substr(trace.back().find(' ') + 1), "quit");
}

TEST(DotsSession, ASignalDuringTheCompletionEndsTheGameAndThenTheProgram) {
  testsupport::MenuRun run(CompleteTheFish() + "wait 20000\n");
  run.rt().Create<testsupport::SignalAt>(3000).Arm();
  EXPECT_EQ(run.Run(WithDots()), 0);
  const auto rest = testsupport::TraceFrom(run.Trace(), "signal");
  ASSERT_GE(rest.size(), 3u);
  EXPECT_NE(std::find(rest.begin(), rest.end(), "unload DotsForm"), rest.end());
  EXPECT_EQ(rest[rest.size() - 2], "unload MenuForm");
  EXPECT_EQ(rest.back(), "quit");
}

}  // namespace
}  // namespace dots
