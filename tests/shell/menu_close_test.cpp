// The window's close button under the grown-up lock: ignored by the menu, a game still leaves
// by it, and SIGTERM still ends the program. Unlocked, the close button quits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace shell {
namespace {

// Presses the window's close button at a virtual time: the front form is asked, as the
// runtime asks it when the window is closed.
class CloseAt final : public platform::Form {
 public:
  CloseAt(platform::Runtime& rt, int afterMs)
      : Form(rt, "CloseAt", 0, 0, 1, 1), timer_(*this, afterMs, [this] {
          timer_.SetEnabled(false);
          Unload();
          if (platform::Form* front = runtime().FrontForm()) front->Form_QueryClose();
        }) {}
  void Arm() {
    Show();
    Hide();
    timer_.SetEnabled(true);
  }

 private:
  platform::Timer timer_;
};

int Count(const std::vector<std::string>& trace, const std::string& line) {
  int n = 0;
  for (const std::string& timed : trace) n += timed.substr(timed.find(' ') + 1) == line;
  return n;
}

TEST(MenuClose, TheLockedMenuIgnoresTheCloseButtonButNotASignal) {
  // Closed while the menu waits for its timer, while its loop runs and while a game runs.
  {
    testsupport::MenuRun run("wait 600\nclick 250 150\nwait 1000\n");
    run.rt().SaveSetting("Program", "Lock", "1");
    for (const int at : {100, 550, 900}) run.rt().Create<CloseAt>(at).Arm();
    EXPECT_EQ(run.Run(), 0);
    const auto trace = run.Trace();
    EXPECT_EQ(trace.back().substr(trace.back().find(' ') + 1), "end");
    EXPECT_EQ(Count(trace, "unload MenuForm"), 0);
    // The game left by the close button, as it does unlocked.
    EXPECT_EQ(Count(trace, "unload DominoTrainForm"), 1);
    EXPECT_EQ(Count(trace, "show MenuForm"), 2);
  }
  {
    testsupport::MenuRun run("wait 5000\n");
    run.rt().SaveSetting("Program", "Lock", "1");
    run.rt().Create<CloseAt>(1000).Arm();
    run.rt().Create<testsupport::SignalAt>(2000, SIGTERM).Arm();
    const std::int32_t before = GameUtil::GetDCCount();
    EXPECT_EQ(run.Run(), 0);
    const auto rest = testsupport::TraceFrom(run.Trace(), "signal");
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.back(), "quit");
    EXPECT_EQ(Count(run.Trace(), "unload MenuForm"), 1);
    EXPECT_EQ(GameUtil::GetDCCount(), before);
  }
}

TEST(MenuClose, TheUnlockedMenuQuitsByTheCloseButton) {
  for (const int at : {100, 1000}) {  // waiting for its timer, and in its loop
    testsupport::MenuRun run("wait 5000\n");
    run.rt().Create<CloseAt>(at).Arm();
    const std::int32_t before = GameUtil::GetDCCount();
    EXPECT_EQ(run.Run(), 0);
    const auto trace = run.Trace();
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.back(), std::to_string(10000 + at) + " quit") << at;  // at once
    EXPECT_EQ(GameUtil::GetDCCount(), before);
  }
}

}  // namespace
}  // namespace shell
