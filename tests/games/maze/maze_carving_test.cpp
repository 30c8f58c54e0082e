// The carving and the order of the random draws, with scripted draws.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>
#include <utility>

#include "games/maze/maze_model.h"
#include "maze_checks.h"

namespace {

using maze::MazeCell;
using maze::MazeModel;
using Grid = std::vector<std::vector<MazeCell>>;

// The carving written as the plain recursion, to hold the model's explicit stack against.
void RecursiveCarve(Grid& cells, int x, int y, std::deque<int>& draws) {
  cells[y][x].visited = true;
  int d = draws.front();
  draws.pop_front();
  for (int step = 0; step < 5; ++step) {
    if (cells[y][x].edge[d]) {
      d = (d + 1) % 4;
      continue;
    }
    const int nx = x + maze::DirectionX[d];
    const int ny = y + maze::DirectionY[d];
    if (cells[ny][nx].visited) {
      d = (d + 1) % 4;
      continue;
    }
    cells[y][x].wall[d] = false;
    cells[ny][nx].wall[(d + 2) % 4] = false;
    RecursiveCarve(cells, nx, ny, draws);
  }
}

std::set<std::pair<int, int>> OpenCellPairs(const MazeModel& m) {
  std::set<std::pair<int, int>> open;
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      const int here = y * m.columns + x;
      if (x + 1 < m.columns && !m.cells[y][x].wall[maze::East]) open.emplace(here, here + 1);
      if (y + 1 < m.rows && !m.cells[y][x].wall[maze::South]) {
        open.emplace(here, here + m.columns);
      }
    }
  }
  return open;
}

TEST(MazeCarving, DrawsComeInTheGameOrder) {
  maze_test::ScriptedDraws draws;
  draws.script = {9, 200, 150, 130, 2, 1, 4, 3};
  MazeModel m(draws.Source());
  m.Generate(2);

  ASSERT_GE(draws.asked.size(), 8u);
  const std::vector<std::pair<int, int>> head(draws.asked.begin(), draws.asked.begin() + 8);
  const std::vector<std::pair<int, int>> expected = {{8, 10}, {128, 255}, {128, 255}, {128, 255},
                                                     {0, 4},  {0, 4},     {0, 8},     {0, 8}};
  EXPECT_EQ(head, expected);
  // Then one direction per cell, nothing else.
  EXPECT_EQ(draws.asked.size(), 8u + 81u);
  for (std::size_t i = 8; i < draws.asked.size(); ++i) {
    EXPECT_EQ(draws.asked[i], std::make_pair(0, 3)) << i;
  }

  EXPECT_EQ(m.columns, 9);
  EXPECT_EQ(m.mazeColour, 200 + 256 * 150 + 65536 * 130);
  EXPECT_EQ(m.targetX, 2);
  EXPECT_EQ(m.targetY, 1);

  // The carving began at (4, 3): the same walk from there gives the same walls.
  maze_test::ScriptedDraws zeros;
  MazeModel reference(zeros.Source());
  reference.ResetCells(9);
  reference.CarveFrom(4, 3);
  EXPECT_EQ(OpenCellPairs(m), OpenCellPairs(reference));
}

TEST(MazeCarving, AlwaysEastFromTheCornerWindsASpiral) {
  maze_test::ScriptedDraws draws;  // every draw 0: east first
  MazeModel m(draws.Source());
  m.ResetCells(3);
  m.CarveFrom(0, 0);
  // Cells numbered row by row: 0 1 2 / 3 4 5 / 6 7 8.
  const std::set<std::pair<int, int>> spiral = {{0, 1}, {1, 2}, {2, 5}, {5, 8},
                                                {7, 8}, {6, 7}, {3, 6}, {3, 4}};
  EXPECT_EQ(OpenCellPairs(m), spiral);
  EXPECT_EQ(draws.asked.size(), 9u);
  EXPECT_TRUE(maze_test::IsSpanningTree(m));
}

TEST(MazeCarving, ExplicitStackMatchesTheRecursion) {
  std::mt19937 random(12345);
  for (std::int16_t size = 3; size <= 15; ++size) {
    for (int round = 0; round < 60; ++round) {
      std::deque<int> directions;
      for (int i = 0; i < size * size; ++i) directions.push_back(int(random() % 4));
      const int startX = int(random() % size);
      const int startY = int(random() % size);

      maze_test::ScriptedDraws draws;
      draws.script = directions;
      MazeModel m(draws.Source());
      m.ResetCells(size);
      Grid expected = m.cells;
      m.CarveFrom(static_cast<std::int16_t>(startX), static_cast<std::int16_t>(startY));
      RecursiveCarve(expected, startX, startY, directions);

      ASSERT_EQ(draws.script.size(), directions.size()) << "draws used differ";
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          ASSERT_EQ(m.cells[y][x].wall, expected[y][x].wall)
              << "size " << size << " round " << round << " cell " << x << "," << y;
          ASSERT_EQ(m.cells[y][x].visited, expected[y][x].visited);
        }
      }
    }
  }
}

TEST(MazeCarving, JoiningReachesCellsTheCarvingLeft) {
  std::mt19937 random(99);
  for (std::int16_t size = 3; size <= 15; size += 3) {
    maze_test::ScriptedDraws draws;
    for (int i = 0; i < 4 * size * size; ++i) draws.script.push_back(int(random() % 4));
    MazeModel m(draws.Source());
    m.ResetCells(size);
    // Only one cell reached, as if the carving had stopped at once.
    m.cells[size / 2][size / 3].visited = true;
    EXPECT_GE(m.JoinUnreachedCells(), 1);
    for (const auto& row : m.cells) {
      for (const auto& cell : row) EXPECT_TRUE(cell.visited);
    }
    EXPECT_TRUE(maze_test::IsSpanningTree(m)) << size;
    EXPECT_TRUE(maze_test::WallsMirrored(m)) << size;

    // A finished maze needs no joins and no draws.
    const auto asked = draws.asked.size();
    const auto before = OpenCellPairs(m);
    EXPECT_EQ(m.JoinUnreachedCells(), 0);
    EXPECT_EQ(draws.asked.size(), asked);
    EXPECT_EQ(OpenCellPairs(m), before);
  }
}

TEST(MazeCarving, DrawsOutOfRangeOrCellsOutsideTheGridStaySafe) {
  maze_test::ScriptedDraws wild;
  wild.fallback = 1000;
  MazeModel m(wild.Source());
  m.Generate(2);
  EXPECT_EQ(m.columns, 10);
  EXPECT_EQ(m.targetX, 5);
  EXPECT_TRUE(maze_test::IsSpanningTree(m));

  maze_test::ScriptedDraws draws;
  MazeModel small(draws.Source());
  small.ResetCells(5);
  small.CarveFrom(5, 0);
  small.CarveFrom(0, -1);
  EXPECT_TRUE(draws.asked.empty());
  EXPECT_EQ(maze_test::OpenPairs(small), 0);
  EXPECT_FALSE(small.FindPath(-1, 2, 0, 0));

  // Sizes outside the game's range are kept within it.
  small.GenerateWithSize(1);
  EXPECT_EQ(small.columns, maze::MinGridSize);
  small.GenerateWithSize(400);
  EXPECT_EQ(small.columns, maze::MaxGridSize);
}

}  // namespace
