// SIGTERM and SIGINT end the program as the menu's stop button does, a running game first
// leaving as its own stop button does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gameutil/gameutil.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace shell {
namespace {

TEST(EndSession, TheMenuEndsTheProgramAndARunningGameLeavesFirst) {
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
    testsupport::MenuRun run(c.script);
    const std::int32_t before = GameUtil::GetDCCount();
    run.rt().Create<testsupport::SignalAt>(c.signalAt, c.signal).Arm();
    EXPECT_EQ(run.Run(), 0) << c.what;
    EXPECT_EQ(testsupport::TraceFrom(run.Trace(), "signal"), c.expected) << c.what;
    EXPECT_EQ(GameUtil::GetDCCount(), before) << c.what;  // every picture freed
  }
}

}  // namespace
}  // namespace shell
