// The way search, the figure's steps and the scenario table.
#include <gtest/gtest.h>

#include <string>

#include "games/maze/maze_model.h"
#include "games/maze/maze_scenarios.h"
#include "gameutil/gameutil.h"
#include "maze_checks.h"

namespace {

using maze::MazeModel;
using maze::NotOnPath;

// 0 1 2 / 3 4 5 / 6 7 8 joined as a spiral: 0-1-2-5-8-7-6-3-4.
MazeModel Spiral(maze_test::ScriptedDraws& draws) {
  MazeModel m(draws.Source());
  m.ResetCells(3);
  m.CarveFrom(0, 0);
  m.figureX = 2;
  m.figureY = 2;
  return m;
}

int MarkedCells(const MazeModel& m) {
  int marked = 0;
  for (const auto& row : m.cells) {
    for (const auto& cell : row) marked += cell.pathDirection != NotOnPath;
  }
  return marked;
}

// Follows the marks from the figure; the number of steps to the target, or -1.
int FollowPath(const MazeModel& m) {
  int x = m.figureX, y = m.figureY;
  for (int steps = 0; steps <= m.columns * m.rows; ++steps) {
    if (x == m.targetX && y == m.targetY) return steps;
    const int d = m.cells[y][x].pathDirection;
    if (d == NotOnPath || m.Blocked(x, y, d)) return -1;
    x += maze::DirectionX[d];
    y += maze::DirectionY[d];
  }
  return -1;
}

TEST(MazePath, MarksOnlyTheWayToTheTarget) {
  maze_test::ScriptedDraws draws;
  MazeModel m = Spiral(draws);
  m.targetX = 1;
  m.targetY = 1;
  m.ShowPath();
  EXPECT_EQ(m.cells[2][2].pathDirection, maze::West);
  EXPECT_EQ(m.cells[2][1].pathDirection, maze::West);
  EXPECT_EQ(m.cells[2][0].pathDirection, maze::North);
  EXPECT_EQ(m.cells[1][0].pathDirection, maze::East);
  EXPECT_EQ(m.cells[1][1].pathDirection, NotOnPath);
  EXPECT_EQ(MarkedCells(m), 4);

  // Westward is tried first and is a dead end here: it must leave no marks behind.
  m.targetX = 2;
  m.targetY = 0;
  m.ShowPath();
  EXPECT_EQ(m.cells[2][2].pathDirection, maze::North);
  EXPECT_EQ(m.cells[1][2].pathDirection, maze::North);
  EXPECT_EQ(m.cells[0][2].pathDirection, NotOnPath);
  EXPECT_EQ(MarkedCells(m), 2);
  EXPECT_EQ(FollowPath(m), 2);
}

TEST(MazePath, FollowingTheMarksReachesTheTargetInEveryMaze) {
  for (std::int16_t size = 5; size <= 15; ++size) {
    for (int seed = 0; seed < 100; ++seed) {
      SCOPED_TRACE("size " + std::to_string(size) + " seed " + std::to_string(seed));
      GameUtil::Randomize(31.0 * seed + size);
      MazeModel m;
      m.GenerateWithSize(size);
      m.ShowPath();
      ASSERT_NE(m.cells[m.figureY][m.figureX].pathDirection, NotOnPath);
      ASSERT_EQ(m.cells[m.targetY][m.targetX].pathDirection, NotOnPath);
      const int steps = FollowPath(m);
      ASSERT_GT(steps, 0);
      ASSERT_EQ(MarkedCells(m), steps);

      // The marks stay where they were asked for; a new request starts clean.
      ASSERT_TRUE(m.StepFigure(m.cells[m.figureY][m.figureX].pathDirection));
      m.ShowPath();
      ASSERT_EQ(MarkedCells(m), steps - 1);
      ASSERT_EQ(FollowPath(m), steps - 1);
    }
  }
}

TEST(MazePath, TheFigureTurnsEvenWhereItCannotMove) {
  maze_test::ScriptedDraws draws;
  MazeModel m = Spiral(draws);
  m.targetX = 1;
  m.targetY = 1;
  m.figureDirection = maze::North;

  EXPECT_FALSE(m.StepFigure(maze::East));  // grid edge
  EXPECT_EQ(m.figureDirection, maze::East);
  EXPECT_EQ(m.figureX, 2);
  EXPECT_FALSE(m.StepFigure(maze::South));
  EXPECT_TRUE(m.StepFigure(maze::North));
  EXPECT_EQ(m.figureY, 1);
  EXPECT_FALSE(m.StepFigure(maze::West));  // wall between (2, 1) and (1, 1)
  EXPECT_EQ(m.figureDirection, maze::West);
  EXPECT_EQ(m.figureX, 2);
  EXPECT_FALSE(m.FigureOnTarget());

  for (const int d : {maze::South, maze::West, maze::West, maze::North, maze::East}) {
    EXPECT_TRUE(m.StepFigure(d)) << d;
  }
  EXPECT_TRUE(m.FigureOnTarget());
}

TEST(MazeScenarios, EndingsAreFoundByTheirExactName) {
  const maze::MazeScenario* frog = maze::FindScenario("Frog");
  ASSERT_NE(frog, nullptr);
  EXPECT_EQ(frog->frameWidth, 160);
  EXPECT_EQ(frog->frameCount, 10);
  EXPECT_EQ(maze::FindScenario("Mouse"), &maze::Scenarios[0]);
  EXPECT_EQ(maze::FindScenario("frog"), nullptr);
  EXPECT_EQ(maze::FindScenario(""), nullptr);
}

}  // namespace
