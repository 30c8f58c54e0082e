// The real menu over headless runs: it frees its pictures for every game; SIGTERM and SIGINT end
// the program as its stop button does, a running game first leaving as its own stop button
// does; the window's close button quits it, unless the grown-up lock is on.
#include "support/menu_run.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "gameutil/gameutil.h"
#include "shell/game_form.h"
#include "support/signal_at.h"

namespace shell {
namespace {

using testsupport::MenuRun;
using testsupport::TraceFrom;

int Count(const std::vector<std::string>& trace, const std::string& line) {
  int n = 0;
  for (const std::string& timed : trace) n += timed.substr(timed.find(' ') + 1) == line;
  return n;
}

// The menu holds no pictures while a game runs, and every round trip gives back all it took.
// The display mode the program's driver reports never changes: the canvas (mode 0) is always
// scaled, the user's screen mode is left alone.
TEST(MenuRun, TheMenuHoldsNoSurfacesWhileAGameRunsAndFreesThemEachTime) {
  MenuRun run(
      "wait 600\nclick 400 325\nwait 300\nkey Escape\nwait 700\nclick 150 325\nwait 300\n"
      "key Escape\nwait 700\nkey Escape\nwait 50\n");
  const std::int32_t before = GameUtil::GetDCCount();
  const auto mode = [&run] {
    platform::DisplayMode m;
    EXPECT_TRUE(run.rt().Display().EnumDisplaySettings(platform::kEnumCurrentSettings, m));
    return std::tuple(m.bitsPerPixel, m.width, m.height);
  };
  const auto desktop = mode();
  std::vector<std::int32_t> atLaunch;
  GameCatalog catalog = BaseCatalog();
  for (auto& entry : catalog) {
    entry.create = [&, entry](platform::Runtime& rt, platform::Form& menu) -> platform::Form& {
      atLaunch.push_back(GameUtil::GetDCCount());
      EXPECT_EQ(mode(), desktop);
      return rt.Create<PlaceholderGameForm>(menu, entry.formName, entry.contextWord,
                                            entry.iconPath);
    };
  }
  EXPECT_EQ(run.Run(catalog), 0);
  EXPECT_EQ(atLaunch, (std::vector<std::int32_t>{before, before}));
  EXPECT_EQ(GameUtil::GetDCCount(), before);  // quitting freed the last menu pass too
  EXPECT_EQ(mode(), desktop);
  for (const auto& line : run.Trace()) EXPECT_EQ(line.find(" box "), std::string::npos) << line;
}

TEST(MenuRun, ASignalEndsTheProgramAndARunningGameLeavesFirst) {
  struct Case {
    const char* what;
    std::string script;
    int signalAt;
    int signal;
    std::vector<std::string> expected;  // the trace from the signal on
  };
  const std::string stopSounds[] = {"sound 1 1 Sfx\\Silence.wav", "mci close all"};
  const Case cases[] = {
      {"menu waiting for its timer",
       "wait 5000\n",
       100,
       SIGTERM,
       {"signal", stopSounds[0], stopSounds[1], "unload MenuForm", "quit"}},
      // The loop ends as with the stop button: sounds stop when it ends and again on quitting.
      {"menu loop running",
       "wait 5000\n",
       2000,
       SIGINT,
       {"signal", stopSounds[0], stopSounds[1], stopSounds[0], stopSounds[1], "unload MenuForm",
        "quit"}},
      // The held key latches the game's keys: Escape would do nothing, the stop path does.
      {"game with a key held",
       "wait 600\nclick 250 150\nwait 100\nkeydown Space\nwait 5000\n",
       1000,
       SIGTERM,
       {"signal", stopSounds[0], stopSounds[1], "show MenuForm", "surfaces 0",
        "unload DominoTrainForm", stopSounds[0], stopSounds[1], "unload MenuForm", "quit"}},
  };
  for (const Case& c : cases) {
    MenuRun run(c.script);
    const std::int32_t before = GameUtil::GetDCCount();
    run.rt().Create<testsupport::SignalAt>(c.signalAt, c.signal).Arm();
    EXPECT_EQ(run.Run(), 0) << c.what;
    EXPECT_EQ(TraceFrom(run.Trace(), "signal"), c.expected) << c.what;
    EXPECT_EQ(GameUtil::GetDCCount(), before) << c.what;  // every picture freed
  }
}

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

TEST(MenuRun, TheLockedMenuIgnoresTheCloseButtonButNotASignal) {
  // Closed while the menu waits for its timer, while its loop runs and while a game runs.
  {
    MenuRun run("wait 600\nclick 250 150\nwait 1000\n");
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
  MenuRun run("wait 5000\n");
  run.rt().SaveSetting("Program", "Lock", "1");
  run.rt().Create<CloseAt>(1000).Arm();
  run.rt().Create<testsupport::SignalAt>(2000, SIGTERM).Arm();
  const std::int32_t before = GameUtil::GetDCCount();
  EXPECT_EQ(run.Run(), 0);
  const auto rest = TraceFrom(run.Trace(), "signal");
  ASSERT_FALSE(rest.empty());
  EXPECT_EQ(rest.back(), "quit");
  EXPECT_EQ(Count(run.Trace(), "unload MenuForm"), 1);
  EXPECT_EQ(GameUtil::GetDCCount(), before);
}

TEST(MenuRun, TheUnlockedMenuQuitsByTheCloseButton) {
  for (const int at : {100, 1000}) {  // waiting for its timer, and in its loop
    MenuRun run("wait 5000\n");
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
