// Mazes drawn with the game's own random generator over many seeds and every grid size.
#include <gtest/gtest.h>

#include <set>

#include "games/maze/maze_model.h"
#include "gameutil/gameutil.h"
#include "maze_checks.h"

namespace {

using maze::MazeModel;
using maze::NotOnPath;

void ExpectSoundMaze(const MazeModel& m) {
  ASSERT_EQ(m.columns, m.rows);
  ASSERT_EQ(static_cast<int>(m.cells.size()), m.rows);
  const int last = m.columns - 1;
  for (int y = 0; y < m.rows; ++y) {
    ASSERT_EQ(static_cast<int>(m.cells[y].size()), m.columns);
    for (int x = 0; x < m.columns; ++x) {
      const maze::MazeCell& cell = m.cells[y][x];
      const bool outside[4] = {x == last, y == last, x == 0, y == 0};  // east, south, west, north
      for (int d = 0; d < 4; ++d) {
        EXPECT_EQ(cell.edge[d], outside[d]) << x << "," << y << " side " << d;
        EXPECT_TRUE(cell.wall[d] || !cell.edge[d]) << "outer wall open " << x << "," << y;
      }
      EXPECT_TRUE(cell.visited) << x << "," << y;
      EXPECT_EQ(cell.pathDirection, NotOnPath) << x << "," << y;
    }
  }
  EXPECT_TRUE(maze_test::WallsMirrored(m));
  EXPECT_TRUE(maze_test::IsSpanningTree(m));
  EXPECT_EQ(m.figureX, last);
  EXPECT_EQ(m.figureY, last);
  EXPECT_EQ(m.figureDirection, maze::North);
  EXPECT_FALSE(m.showPath);
  EXPECT_TRUE(m.targetX >= 0 && m.targetX <= m.columns / 2) << m.targetX;
  EXPECT_TRUE(m.targetY >= 0 && m.targetY <= m.rows / 2) << m.targetY;
  EXPECT_EQ(m.mazeColour >> 24, 0);
  for (const int shift : {0, 8, 16}) EXPECT_GE((m.mazeColour >> shift) & 0xFF, 128) << shift;
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
      ASSERT_TRUE(m.columns >= band.lo && m.columns <= band.hi) << m.columns;
      seen.insert(m.columns);
    }
    EXPECT_EQ(static_cast<int>(seen.size()), band.hi - band.lo + 1);
  }
}

// Every maze has its cell side and is one tree over the whole grid, its path marks lead the
// figure to the target, and the carving alone (without the joining safety net) reaches every cell.
TEST(MazeGeneration, EveryMazeOfEverySize) {
  const int sides[] = {120, 100, 86, 75, 67, 60, 55, 50, 46, 43, 40};  // sizes 5 to 15
  for (std::int16_t size = 5; size <= 15; ++size) {
    EXPECT_EQ(maze::CellSizeFor(size), sides[size - 5]) << size;
    for (int seed = 0; seed < 200; ++seed) {
      SCOPED_TRACE(testing::Message() << "size " << size << " seed " << seed);
      GameUtil::Randomize(1000.0 * size + seed);
      MazeModel m;
      m.GenerateWithSize(size);
      ASSERT_EQ(m.columns, size);
      ASSERT_NO_FATAL_FAILURE(ExpectSoundMaze(m));
      EXPECT_EQ(m.cellWidth, sides[size - 5]);
      EXPECT_EQ(m.cellHeight, sides[size - 5]);
      EXPECT_FALSE(m.FigureOnTarget());

      m.ShowPath();
      const int steps = maze_test::MarkedWayLength(m);
      ASSERT_GT(steps, 0);
      // The marks stay where they were asked for; a new request starts clean.
      ASSERT_TRUE(m.StepFigure(m.cells[m.figureY][m.figureX].pathDirection));
      m.ShowPath();
      ASSERT_EQ(maze_test::MarkedWayLength(m), steps - 1);

      m.ResetCells(size);
      m.CarveFrom(static_cast<std::int16_t>(GameUtil::RandomRange(0, size - 1)),
                  static_cast<std::int16_t>(GameUtil::RandomRange(0, size - 1)));
      ASSERT_EQ(m.JoinUnreachedCells(), 0);
      ASSERT_TRUE(maze_test::IsSpanningTree(m));
      if (HasFailure()) return;
    }
  }
}

}  // namespace
