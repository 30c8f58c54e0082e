// Mazes from scripted draws: the carving and the order of its draws, the way search and the
// figure's steps in a small hand-checked maze; and the scenario table.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <tuple>

#include "games/maze/maze_model.h"
#include "games/maze/maze_scenarios.h"
#include "maze_checks.h"

namespace {

using maze::MazeModel;
using maze::NotOnPath;
using maze_test::IsSpanningTree;
using maze_test::OpenCellPairs;
using maze_test::ScriptedDraws;
using Grid = std::vector<std::vector<maze::MazeCell>>;

// The carving written as the plain recursion, to hold the model's explicit stack against.
void RecursiveCarve(Grid& cells, int x, int y, std::deque<int>& draws) {
  cells[y][x].visited = true;
  int d = draws.front();
  draws.pop_front();
  for (int step = 0; step < 5; ++step) {
    const int nx = x + maze::DirectionX[d], ny = y + maze::DirectionY[d];
    if (cells[y][x].edge[d] || cells[ny][nx].visited) {
      d = (d + 1) % 4;
      continue;
    }
    cells[y][x].wall[d] = false;
    cells[ny][nx].wall[(d + 2) % 4] = false;
    RecursiveCarve(cells, nx, ny, draws);
  }
}

TEST(MazeCarving, DrawsComeInTheGameOrder) {
  ScriptedDraws draws;
  draws.script = {9, 200, 150, 130, 2, 1, 4, 3};
  MazeModel m(draws.Source());
  m.Generate(2);

  // Size, three colour parts, target, start, then one direction per cell and nothing else.
  std::vector<std::pair<int, int>> expected = {{8, 10}, {128, 255}, {128, 255}, {128, 255},
                                               {0, 4},  {0, 4},     {0, 8},     {0, 8}};
  expected.insert(expected.end(), 81, {0, 3});
  EXPECT_EQ(draws.asked, expected);
  EXPECT_EQ(m.columns, 9);
  EXPECT_EQ(m.mazeColour, 200 + 256 * 150 + 65536 * 130);
  EXPECT_EQ(m.targetX, 2);
  EXPECT_EQ(m.targetY, 1);

  // The carving began at (4, 3): the same walk from there gives the same walls.
  ScriptedDraws zeros;
  MazeModel reference(zeros.Source());
  reference.ResetCells(9);
  reference.CarveFrom(4, 3);
  EXPECT_EQ(OpenCellPairs(m), OpenCellPairs(reference));
}

TEST(MazeCarving, ExplicitStackMatchesTheRecursion) {
  std::mt19937 random(12345);
  for (std::int16_t size = 3; size <= 15; ++size) {
    for (int round = 0; round < 60; ++round) {
      SCOPED_TRACE(testing::Message() << "size " << size << " round " << round);
      std::deque<int> directions;
      for (int i = 0; i < size * size; ++i) directions.push_back(int(random() % 4));
      const auto startX = static_cast<std::int16_t>(random() % size);
      const auto startY = static_cast<std::int16_t>(random() % size);

      ScriptedDraws draws;
      draws.script = directions;
      MazeModel m(draws.Source());
      m.ResetCells(size);
      Grid expected = m.cells;
      m.CarveFrom(startX, startY);
      RecursiveCarve(expected, startX, startY, directions);

      ASSERT_EQ(draws.script.size(), directions.size()) << "draws used differ";
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const maze::MazeCell &got = m.cells[y][x], &want = expected[y][x];
          ASSERT_TRUE(got.wall == want.wall && got.visited == want.visited) << x << "," << y;
        }
      }
    }
  }
}

TEST(MazeCarving, JoiningReachesCellsTheCarvingLeft) {
  std::mt19937 random(99);
  for (std::int16_t size = 3; size <= 15; size += 3) {
    SCOPED_TRACE(size);
    ScriptedDraws draws;
    for (int i = 0; i < 4 * size * size; ++i) draws.script.push_back(int(random() % 4));
    MazeModel m(draws.Source());
    m.ResetCells(size);
    // Only one cell reached, as if the carving had stopped at once.
    m.cells[size / 2][size / 3].visited = true;
    EXPECT_GE(m.JoinUnreachedCells(), 1);
    for (const auto& row : m.cells) {
      for (const auto& cell : row) EXPECT_TRUE(cell.visited);
    }
    EXPECT_TRUE(IsSpanningTree(m));
    EXPECT_TRUE(maze_test::WallsMirrored(m));
    EXPECT_EQ(m.JoinUnreachedCells(), 0);  // a finished maze needs no more
  }
}

TEST(MazeCarving, DrawsOutOfRangeOrCellsOutsideTheGridStaySafe) {
  ScriptedDraws wild;
  wild.fallback = 1000;
  MazeModel m(wild.Source());
  m.Generate(2);
  EXPECT_EQ(m.columns, 10);
  EXPECT_EQ(m.targetX, 5);
  EXPECT_TRUE(IsSpanningTree(m));

  ScriptedDraws draws;
  MazeModel small(draws.Source());
  small.ResetCells(5);
  small.CarveFrom(5, 0);
  small.CarveFrom(0, -1);
  EXPECT_TRUE(draws.asked.empty());
  EXPECT_TRUE(OpenCellPairs(small).empty());
  EXPECT_FALSE(small.FindPath(-1, 2, 0, 0));

  // Sizes outside the game's range are kept within it.
  small.GenerateWithSize(1);
  EXPECT_EQ(small.columns, maze::MinGridSize);
  small.GenerateWithSize(400);
  EXPECT_EQ(small.columns, maze::MaxGridSize);
}

// Every draw 0 (east first) from the corner of a 3 x 3 grid winds a spiral, figure at (2, 2).
MazeModel Spiral(ScriptedDraws& draws) {
  MazeModel m(draws.Source());
  m.ResetCells(3);
  m.CarveFrom(0, 0);
  m.figureX = 2;
  m.figureY = 2;
  return m;
}

TEST(MazePath, MarksOnlyTheWayToTheTarget) {
  ScriptedDraws draws;
  MazeModel m = Spiral(draws);
  // Cells numbered row by row: 0 1 2 / 3 4 5 / 6 7 8, joined 0-1-2-5-8-7-6-3-4.
  const std::set<std::pair<int, int>> spiral = {{0, 1}, {1, 2}, {2, 5}, {5, 8},
                                                {7, 8}, {6, 7}, {3, 6}, {3, 4}};
  ASSERT_EQ(OpenCellPairs(m), spiral);
  EXPECT_EQ(draws.asked.size(), 9u);

  // Towards (2, 0) westward is tried first and is a dead end: it must leave no marks behind.
  for (const auto& [x, y, steps] : {std::tuple{1, 1, 4}, {2, 0, 2}}) {
    m.targetX = x;
    m.targetY = y;
    m.ShowPath();
    EXPECT_EQ(maze_test::MarkedWayLength(m), steps) << x << "," << y;
  }
}

TEST(MazePath, TheFigureTurnsEvenWhereItCannotMove) {
  ScriptedDraws draws;
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
  EXPECT_EQ(maze::FindScenario("Mouse"), &maze::Scenarios.front());
  EXPECT_EQ(maze::FindScenario("Frog"), &maze::Scenarios.back());
  EXPECT_EQ(maze::FindScenario("frog"), nullptr);
  EXPECT_EQ(maze::FindScenario(""), nullptr);
}

}  // namespace
