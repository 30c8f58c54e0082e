// A SIGTERM in the Maze leaves it as its stop button does, its options stored, and the menu
// then ends the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "games/maze/maze_form.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace maze {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

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
  ASSERT_FALSE(rest.empty());
  EXPECT_TRUE(Has(rest, "setting Maze Skill 2"));
  EXPECT_TRUE(Has(rest, "setting Maze Scenario 0"));
  EXPECT_TRUE(Has(rest, "unload MazeForm"));
  EXPECT_EQ(rest.back(), "quit");
  EXPECT_EQ(rest[rest.size() - 2], "unload MenuForm");
}

}  // namespace
}  // namespace maze
