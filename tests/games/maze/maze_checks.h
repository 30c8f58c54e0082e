// Helpers shared by the maze tests: scripted random draws and whole-grid checks.
#pragma once
#include <cstdint>
#include <deque>
#include <set>
#include <utility>
#include <vector>

#include "games/maze/maze_model.h"

namespace maze_test {

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

// Neighbouring cells (numbered row by row) with the wall between them removed.
inline std::set<std::pair<int, int>> OpenCellPairs(const maze::MazeModel& m) {
  std::set<std::pair<int, int>> open;
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      const int here = y * m.columns + x;
      if (x + 1 < m.columns && !m.cells[y][x].wall[maze::East]) open.emplace(here, here + 1);
      if (y + 1 < m.rows && !m.cells[y][x].wall[maze::South]) open.emplace(here, here + m.columns);
    }
  }
  return open;
}

// Every side between two cells has the same wall flag seen from both cells.
inline bool WallsMirrored(const maze::MazeModel& m) {
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      for (const int d : {maze::East, maze::South}) {
        const int nx = x + maze::DirectionX[d], ny = y + maze::DirectionY[d];
        if (m.Inside(nx, ny) && m.cells[y][x].wall[d] != m.cells[ny][nx].wall[maze::Opposite(d)]) {
          return false;
        }
      }
    }
  }
  return true;
}

// The open pairs join all cells without a cycle: one way between any two cells.
inline bool IsSpanningTree(const maze::MazeModel& m) {
  std::vector<int> root(m.columns * m.rows);
  for (std::size_t i = 0; i < root.size(); ++i) root[i] = int(i);
  const auto find = [&](int a) {
    while (root[a] != a) a = root[a] = root[root[a]];
    return a;
  };
  const auto open = OpenCellPairs(m);
  for (const auto& [a, b] : open) {
    if (find(a) == find(b)) return false;
    root[find(a)] = find(b);
  }
  return open.size() + 1 == root.size();
}

// Steps along the path marks from the figure to the target; -1 when they lead elsewhere or
// through a wall, or when a cell off the way (the target too) is marked.
inline int MarkedWayLength(const maze::MazeModel& m) {
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

}  // namespace maze_test
