// The Maze model: the order of its random draws, the carving against the plain recursion, the
// joining safety net, the way marks and the figure's steps; and mazes of every size over many
// seeds.
#include "games/maze/maze_model.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>

#include "games/maze/maze_scenarios.h"
#include "gameutil/gameutil.h"

namespace {

using maze::MazeModel;
using Grid = std::vector<std::vector<maze::MazeCell>>;

// Answers draws from a script (then a fallback value) and records every range asked for.
struct ScriptedDraws {
  std::deque<int> script;
  int fallback = 0;
  std::vector<std::pair<int, int>> asked;
  maze::RandomDraw Source() {
    return [this](std::int16_t lo, std::int16_t hi) {
      asked.emplace_back(lo, hi);
      const int value = script.empty() ? fallback : script.front();
      if (!script.empty()) script.pop_front();
      return double(value);
    };
  }
};

// Neighbouring cells (numbered row by row) with the wall between them removed; a wall seen
// differently from its two sides fails the test.
std::set<std::pair<int, int>> Open(const MazeModel& m) {
  std::set<std::pair<int, int>> open;
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      for (const int d : {maze::East, maze::South}) {
        const int nx = x + maze::DirectionX[d], ny = y + maze::DirectionY[d];
        if (!m.Inside(nx, ny)) continue;
        EXPECT_EQ(m.cells[y][x].wall[d], m.cells[ny][nx].wall[maze::Opposite(d)]) << x << "," << y;
        if (!m.cells[y][x].wall[d]) open.emplace(y * m.columns + x, ny * m.columns + nx);
      }
    }
  }
  return open;
}

// The open walls join all cells without a cycle: one way between any two cells.
bool IsSpanningTree(const MazeModel& m) {
  std::vector<int> root(m.columns * m.rows);
  for (std::size_t i = 0; i < root.size(); ++i) root[i] = int(i);
  const auto find = [&](int a) {
    while (root[a] != a) a = root[a] = root[root[a]];
    return a;
  };
  const auto open = Open(m);
  for (const auto& [a, b] : open) {
    if (find(a) == find(b)) return false;
    root[find(a)] = find(b);
  }
  return open.size() + 1 == root.size();
}

// Steps along the way marks from the figure to the target; -1 when they lead elsewhere or
// through a wall, or when a cell off the way (the target too) is marked.
int MarkedWayLength(const MazeModel& m) {
  int marked = 0;
  for (const auto& row : m.cells) {
    for (const auto& cell : row) marked += cell.pathDirection != maze::NotOnPath;
  }
  int x = m.figureX, y = m.figureY;
  for (int steps = 0; steps <= marked; ++steps) {
    if (x == m.targetX && y == m.targetY) return steps == marked ? steps : -1;
    const int d = m.cells[y][x].pathDirection;
    if (d == maze::NotOnPath || m.Blocked(x, y, d)) return -1;
    x += maze::DirectionX[d];
    y += maze::DirectionY[d];
  }
  return -1;
}

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

TEST(MazeCarving, DrawsComeInTheGameOrderAndTheStackMatchesTheRecursion) {
  ScriptedDraws draws;
  draws.script = {9, 200, 150, 130, 2, 1, 4, 3};
  MazeModel m(draws.Source());
  m.Generate(2);
  // Size, three colour parts, target, start, then one direction per cell and nothing else.
  std::vector<std::pair<int, int>> expected = {{8, 10}, {128, 255}, {128, 255}, {128, 255},
                                               {0, 4},  {0, 4},     {0, 8},     {0, 8}};
  expected.insert(expected.end(), 81, {0, 3});
  EXPECT_EQ(draws.asked, expected);
  EXPECT_EQ(m.mazeColour, 200 + 256 * 150 + 65536 * 130);
  EXPECT_EQ(std::pair(m.targetX, m.targetY), std::pair(2, 1));

  std::mt19937 random(12345);
  for (std::int16_t size = 3; size <= 15; ++size) {
    for (int round = 0; round < 60; ++round) {
      SCOPED_TRACE(testing::Message() << "size " << size << " round " << round);
      std::deque<int> directions;
      for (int i = 0; i < size * size; ++i) directions.push_back(int(random() % 4));
      const auto x = static_cast<std::int16_t>(random() % size);
      const auto y = static_cast<std::int16_t>(random() % size);
      ScriptedDraws carve;
      carve.script = directions;
      MazeModel c(carve.Source());
      c.ResetCells(size);
      Grid want = c.cells;
      c.CarveFrom(x, y);
      RecursiveCarve(want, x, y, directions);
      ASSERT_EQ(carve.script.size(), directions.size()) << "draws used differ";
      for (int cy = 0; cy < size; ++cy) {
        for (int cx = 0; cx < size; ++cx) {
          ASSERT_TRUE(c.cells[cy][cx].wall == want[cy][cx].wall &&
                      c.cells[cy][cx].visited == want[cy][cx].visited)
              << cx << "," << cy;
        }
      }
    }
  }
}

TEST(MazeCarving, JoiningReachesCellsTheCarvingLeftAndWildInputStaysSafe) {
  std::mt19937 random(99);
  for (std::int16_t size = 3; size <= 15; size += 3) {
    ScriptedDraws draws;
    for (int i = 0; i < 4 * size * size; ++i) draws.script.push_back(int(random() % 4));
    MazeModel m(draws.Source());
    m.ResetCells(size);
    m.cells[size / 2][size / 3].visited = true;  // as if the carving had stopped at once
    EXPECT_GE(m.JoinUnreachedCells(), 1) << size;
    EXPECT_TRUE(IsSpanningTree(m)) << size;
    EXPECT_EQ(m.JoinUnreachedCells(), 0) << size;  // a finished maze needs no more
  }

  ScriptedDraws wild;
  wild.fallback = 1000;
  MazeModel m(wild.Source());
  m.Generate(2);
  EXPECT_EQ(m.columns, 10);
  EXPECT_EQ(m.targetX, 5);
  EXPECT_TRUE(IsSpanningTree(m));
  // Cells outside the grid carve nothing; sizes outside the game's range are kept within it.
  ScriptedDraws none;
  MazeModel small(none.Source());
  small.ResetCells(5);
  small.CarveFrom(5, 0);
  small.CarveFrom(0, -1);
  EXPECT_TRUE(none.asked.empty());
  EXPECT_TRUE(Open(small).empty());
  EXPECT_FALSE(small.FindPath(-1, 2, 0, 0));
  small.GenerateWithSize(1);
  EXPECT_EQ(small.columns, maze::MinGridSize);
  small.GenerateWithSize(400);
  EXPECT_EQ(small.columns, maze::MaxGridSize);
  // Endings are found by their exact name.
  EXPECT_EQ(maze::FindScenario("Frog"), &maze::Scenarios.back());
  EXPECT_EQ(maze::FindScenario("frog"), nullptr);
}

TEST(MazePath, MarksOnlyTheWayAndTheFigureTurnsEvenWhereItCannotMove) {
  // Every draw 0 (east first) from the corner of a 3 x 3 grid winds a spiral:
  // cells 0 1 2 / 3 4 5 / 6 7 8 joined 0-1-2-5-8-7-6-3-4. The figure stands at (2, 2).
  ScriptedDraws draws;
  MazeModel m(draws.Source());
  m.ResetCells(3);
  m.CarveFrom(0, 0);
  m.figureX = m.figureY = 2;
  ASSERT_EQ(Open(m), (std::set<std::pair<int, int>>{
                         {0, 1}, {1, 2}, {2, 5}, {5, 8}, {7, 8}, {6, 7}, {3, 6}, {3, 4}}));
  // Towards (2, 0) westward is tried first and is a dead end: it must leave no marks behind.
  for (const auto& [x, y, steps] : {std::tuple{1, 1, 4}, {2, 0, 2}}) {
    m.targetX = x;
    m.targetY = y;
    m.ShowPath();
    EXPECT_EQ(MarkedWayLength(m), steps) << x << "," << y;
  }
  m.figureDirection = maze::North;
  EXPECT_FALSE(m.StepFigure(maze::East));  // the grid's edge
  EXPECT_EQ(m.figureDirection, maze::East);
  EXPECT_TRUE(m.StepFigure(maze::North));
  EXPECT_FALSE(m.StepFigure(maze::West));  // a wall
  EXPECT_EQ(m.figureDirection, maze::West);
  EXPECT_EQ(std::pair(m.figureX, m.figureY), std::pair(2, 1));
  m.targetX = m.targetY = 1;
  for (const int d : {maze::South, maze::West, maze::West, maze::North, maze::East}) {
    EXPECT_FALSE(m.FigureOnTarget());
    EXPECT_TRUE(m.StepFigure(d)) << d;
  }
  EXPECT_TRUE(m.FigureOnTarget());
}

TEST(MazeGeneration, GridSizesStayInTheSkillBand) {
  struct Band {
    std::int16_t skill;
    int lo, hi;
  };
  // Skills outside 1..3 (a damaged setting) count as the nearest band.
  for (const Band band : {Band{1, 5, 7}, Band{2, 8, 10}, Band{3, 11, 15}, Band{0, 5, 7},
                          Band{-4, 5, 7}, Band{9, 11, 15}}) {
    std::set<int> seen;
    for (int seed = 0; seed < 300; ++seed) {
      GameUtil::Randomize(seed);
      MazeModel m;
      m.Generate(band.skill);
      ASSERT_EQ(m.columns, m.rows);
      seen.insert(m.columns);
    }
    EXPECT_EQ(*seen.begin(), band.lo) << band.skill;
    EXPECT_EQ(*seen.rbegin(), band.hi) << band.skill;
    EXPECT_EQ(static_cast<int>(seen.size()), band.hi - band.lo + 1) << band.skill;
  }
}

// Every maze has its cell side, closed outer walls and is one tree over the whole grid; the
// figure starts in the far corner and the target lies in the near quarter; the way marks lead
// there; and the carving alone (without the joining safety net) reaches every cell.
TEST(MazeGeneration, EveryMazeOfEverySize) {
  const int sides[] = {120, 100, 86, 75, 67, 60, 55, 50, 46, 43, 40};  // sizes 5 to 15
  for (std::int16_t size = 5; size <= 15; ++size) {
    for (int seed = 0; seed < 200; ++seed) {
      SCOPED_TRACE(testing::Message() << "size " << size << " seed " << seed);
      GameUtil::Randomize(1000.0 * size + seed);
      MazeModel m;
      m.GenerateWithSize(size);
      const int last = size - 1;
      ASSERT_TRUE(m.columns == size && m.rows == size && int(m.cells.size()) == size);
      ASSERT_TRUE(m.cellWidth == sides[size - 5] && m.cellHeight == sides[size - 5]);
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          const maze::MazeCell& cell = m.cells[y][x];
          const bool outside[4] = {x == last, y == last, x == 0, y == 0};
          for (int d = 0; d < 4; ++d) {
            ASSERT_EQ(cell.edge[d], outside[d]) << x << "," << y;
            ASSERT_TRUE(cell.wall[d] || !cell.edge[d]) << "outer wall open " << x << "," << y;
          }
          ASSERT_TRUE(cell.visited && cell.pathDirection == maze::NotOnPath) << x << "," << y;
        }
      }
      ASSERT_TRUE(IsSpanningTree(m));
      ASSERT_TRUE(m.figureX == last && m.figureY == last && m.figureDirection == maze::North);
      ASSERT_TRUE(m.targetX <= size / 2 && m.targetY <= size / 2 && m.targetX >= 0 &&
                  m.targetY >= 0);
      ASSERT_FALSE(m.showPath);
      for (const int shift : {0, 8, 16}) ASSERT_GE((m.mazeColour >> shift) & 0xFF, 128);
      ASSERT_EQ(m.mazeColour >> 24, 0);

      m.ShowPath();
      const int steps = MarkedWayLength(m);
      ASSERT_GT(steps, 0);
      // A new request starts clean from where the figure now stands.
      ASSERT_TRUE(m.StepFigure(m.cells[m.figureY][m.figureX].pathDirection));
      m.ShowPath();
      ASSERT_EQ(MarkedWayLength(m), steps - 1);

      m.ResetCells(size);
      m.CarveFrom(static_cast<std::int16_t>(GameUtil::RandomRange(0, last)),
                  static_cast<std::int16_t>(GameUtil::RandomRange(0, last)));
      ASSERT_EQ(m.JoinUnreachedCells(), 0);
      ASSERT_TRUE(IsSpanningTree(m));
    }
  }
}

}  // namespace
