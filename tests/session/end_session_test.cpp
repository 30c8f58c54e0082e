// A logout or shutdown (SIGTERM) in the middle of each game: the game leaves as its stop button
// does, with its options stored, even inside one of its loops and with a key held, and the menu
// then ends the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "games/all_games.h"
#include "support/menu_run.h"
#include "support/signal_at.h"

namespace {

struct Case {
  int icon;
  int x, y;
  const char* form;
  std::vector<std::string> settings;  // stored on the way out
};

const Case kCases[] = {
    // The train is still driving in: the movement loop runs.
    {0, 250, 150, "DominoTrainForm", {"setting DominoTrain NrOfWagons 3"}},
    // The game loop runs; Space walks the child.
    {1, 550, 150, "CollectorForm", {"setting Collector FallSpeed 40"}},
    {2, 150, 325, "DotsForm", {}},
    {3, 400, 325, "MazeForm", {"setting Maze Skill 2", "setting Maze Scenario 0"}},
    {4, 650, 325, "PicturePuzzleForm", {}},
    {5, 175, 500, "LightPaintForm", {}},
    {6, 400, 500, "MusicGameForm", {}},
    {7,
     625,
     500,
     "ScratchForm",
     {"setting Scratch Size 56", "setting Scratch Scenario 0", "setting Scratch Percent 50"}},
};

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(EndSession, ASignalInEveryGameLeavesItAsItsStopButtonDoesAndEndsTheProgram) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.form);
    // The game shows at 10600; the signal comes at 11500 with Space held down.
    testsupport::MenuRun run("wait 600\nclick " + std::to_string(c.x) + " " + std::to_string(c.y) +
                             "\nwait 100\nkeydown Space\nwait 5000\n");
    run.rt().Create<testsupport::SignalAt>(1500).Arm();
    EXPECT_EQ(run.Run(games::AllGames()), 0);
    const auto rest = testsupport::TraceFrom(run.Trace(), "signal");
    ASSERT_FALSE(rest.empty());
    EXPECT_TRUE(Has(rest, std::string("unload ") + c.form));
    for (const std::string& setting : c.settings) EXPECT_TRUE(Has(rest, setting)) << setting;
    ASSERT_GE(rest.size(), 2u);
    EXPECT_EQ(rest.back(), "quit");
    EXPECT_EQ(rest[rest.size() - 2], "unload MenuForm");
  }
}

}  // namespace
