// A SIGTERM in the Maze leaves it as its stop button does, its options stored, and the menu
// then ends the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/maze/maze_form.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace maze {
namespace {

TEST(MazeSession, ASignalLeavesTheMazeWithItsOptionsStoredEvenWithAKeyHeld) {
  // The held arrow key latches the Maze's keys, so Escape alone would do nothing.
  testsupport::MenuRun run("wait 600\nclick 400 325\nwait 100\nkeydown Up\nwait 5000\n");
  run.rt().Create<testsupport::SignalAt>(1000).Arm();
  shell::GameCatalog catalog = shell::BaseCatalog();
  catalog[3].create = [](platform::Runtime& rt, platform::Form& menu) -> platform::Form& {
    return rt.Create<MazeForm>(menu);
  };
  EXPECT_EQ(run.Run(std::move(catalog)), 0);
  const auto rest = testsupport::TraceFrom(run.Trace(), "signal");
  for (const char* line : {"setting Maze Skill 2", "setting Maze Scenario 0", "unload MazeForm"})
    EXPECT_NE(std::find(rest.begin(), rest.end(), line), rest.end()) << line;
  ASSERT_GE(rest.size(), 2u);
  EXPECT_EQ(rest[rest.size() - 2], "unload MenuForm");
  EXPECT_EQ(rest.back(), "quit");
}

}  // namespace
}  // namespace maze
