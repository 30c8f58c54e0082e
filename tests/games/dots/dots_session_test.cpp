// A SIGTERM during the Dots completion animation ends the program after the game has left.
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
