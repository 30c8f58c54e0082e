// Mazes drawn with the game's own random generator over many seeds and every grid size.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "games/maze/maze_model.h"
#include "gameutil/gameutil.h"
#include "maze_checks.h"

namespace {

using maze::MazeModel;

constexpr int SeedsPerSize = 200;

void ExpectSoundMaze(const MazeModel& m, const std::string& label) {
  SCOPED_TRACE(label);
  ASSERT_EQ(m.columns, m.rows);
  ASSERT_EQ(static_cast<int>(m.cells.size()), m.rows);
  const int last = m.columns - 1;
  for (int y = 0; y < m.rows; ++y) {
    ASSERT_EQ(static_cast<int>(m.cells[y].size()), m.columns);
    for (int x = 0; x < m.columns; ++x) {
      const maze::MazeCell& cell = m.cells[y][x];
      EXPECT_EQ(cell.edge[maze::East], x == last) << x << "," << y;
      EXPECT_EQ(cell.edge[maze::South], y == last) << x << "," << y;
      EXPECT_EQ(cell.edge[maze::West], x == 0) << x << "," << y;
      EXPECT_EQ(cell.edge[maze::North], y == 0) << x << "," << y;
      int walls = 0;
      for (int d = 0; d < 4; ++d) {
        walls += cell.wall[d];
        EXPECT_TRUE(cell.wall[d] || !cell.edge[d]) << "outer wall open at " << x << "," << y;
      }
      EXPECT_LT(walls, 4) << "sealed cell " << x << "," << y;
      EXPECT_TRUE(cell.visited) << x << "," << y;
      EXPECT_EQ(cell.pathDirection, maze::NotOnPath);
    }
  }
  EXPECT_TRUE(maze_test::WallsMirrored(m));
  EXPECT_TRUE(maze_test::IsSpanningTree(m))
      << "open pairs " << maze_test::OpenPairs(m) << ", reachable " << maze_test::ReachableCells(m);

  EXPECT_EQ(m.figureX, last);
  EXPECT_EQ(m.figureY, last);
  EXPECT_EQ(m.figureDirection, maze::North);
  EXPECT_FALSE(m.showPath);
  EXPECT_GE(m.targetX, 0);
  EXPECT_LE(m.targetX, m.columns / 2);
  EXPECT_GE(m.targetY, 0);
  EXPECT_LE(m.targetY, m.rows / 2);
  EXPECT_FALSE(m.FigureOnTarget());

  EXPECT_EQ(m.mazeColour >> 24, 0);
  for (const int shift : {0, 8, 16}) EXPECT_GE((m.mazeColour >> shift) & 0xFF, 128) << shift;
}

TEST(MazeGeneration, CellSideForEveryGridSize) {
  const std::map<int, int> sides = {{5, 120}, {6, 100}, {7, 86},  {8, 75},  {9, 67}, {10, 60},
                                    {11, 55}, {12, 50}, {13, 46}, {14, 43}, {15, 40}};
  for (const auto& [size, side] : sides) {
    SCOPED_TRACE(size);
    EXPECT_EQ(maze::CellSizeFor(static_cast<std::int16_t>(size)), side);
    MazeModel m;
    GameUtil::Randomize(size);
    m.GenerateWithSize(static_cast<std::int16_t>(size));
    EXPECT_EQ(m.columns, size);
    EXPECT_EQ(m.cellWidth, side);
    EXPECT_EQ(m.cellHeight, side);
    EXPECT_GE(m.columns * m.cellWidth, 598);
    EXPECT_LE(m.columns * m.cellWidth, 605);
  }
}

TEST(MazeGeneration, GridSizeStaysInTheSkillBand) {
  struct Band {
    std::int16_t skill;
    int lo, hi;
  };
  // Skills outside 1..3 (a damaged setting) count as the nearest band.
  for (const Band band : {Band{1, 5, 7}, Band{2, 8, 10}, Band{3, 11, 15}, Band{0, 5, 7},
                          Band{-4, 5, 7}, Band{9, 11, 15}}) {
    SCOPED_TRACE(band.skill);
    std::set<int> seen;
    for (int seed = 0; seed < 300; ++seed) {
      GameUtil::Randomize(seed);
      MazeModel m;
      m.Generate(band.skill);
      ASSERT_EQ(m.columns, m.rows);
      ASSERT_GE(m.columns, band.lo);
      ASSERT_LE(m.columns, band.hi);
      seen.insert(m.columns);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), band.hi - band.lo + 1);
  }
}

TEST(MazeGeneration, EveryMazeIsOneTreeOverTheWholeGrid) {
  for (std::int16_t size = 5; size <= 15; ++size) {
    for (int seed = 0; seed < SeedsPerSize; ++seed) {
      GameUtil::Randomize(1000.0 * size + seed);
      MazeModel m;
      m.GenerateWithSize(size);
      ExpectSoundMaze(m, "size " + std::to_string(size) + " seed " + std::to_string(seed));
      if (HasFailure()) return;
    }
  }
}

// The five-step carving on its own, without the safety net, reaches every cell.
TEST(MazeGeneration, CarvingAloneReachesEveryCell) {
  for (std::int16_t size = 5; size <= 15; ++size) {
    for (int seed = 0; seed < SeedsPerSize; ++seed) {
      GameUtil::Randomize(7.0 * seed + size);
      MazeModel m;
      m.ResetCells(size);
      m.CarveFrom(static_cast<std::int16_t>(GameUtil::RandomRange(0, size - 1)),
                  static_cast<std::int16_t>(GameUtil::RandomRange(0, size - 1)));
      ASSERT_EQ(m.JoinUnreachedCells(), 0) << "size " << size << " seed " << seed;
      ASSERT_TRUE(maze_test::IsSpanningTree(m)) << "size " << size << " seed " << seed;
    }
  }
}

}  // namespace
