// Helpers shared by the maze tests: scripted random draws and whole-grid checks.
#pragma once
#include <cstdint>
#include <deque>
#include <queue>
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
      if (script.empty()) return double(fallback);
      const int value = script.front();
      script.pop_front();
      return double(value);
    };
  }
};

// Wall pairs removed between neighbours (each counted once).
inline int OpenPairs(const maze::MazeModel& m) {
  int open = 0;
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      if (x + 1 < m.columns && !m.cells[y][x].wall[maze::East]) ++open;
      if (y + 1 < m.rows && !m.cells[y][x].wall[maze::South]) ++open;
    }
  }
  return open;
}

// Cells reachable from (0, 0) through open sides.
inline int ReachableCells(const maze::MazeModel& m) {
  std::vector<std::vector<bool>> seen(m.rows, std::vector<bool>(m.columns, false));
  std::queue<std::pair<int, int>> todo;
  todo.emplace(0, 0);
  seen[0][0] = true;
  int count = 0;
  while (!todo.empty()) {
    const auto [x, y] = todo.front();
    todo.pop();
    ++count;
    for (int d = 0; d < 4; ++d) {
      if (m.Blocked(x, y, d)) continue;
      const int nx = x + maze::DirectionX[d];
      const int ny = y + maze::DirectionY[d];
      if (m.Inside(nx, ny) && !seen[ny][nx]) {
        seen[ny][nx] = true;
        todo.emplace(nx, ny);
      }
    }
  }
  return count;
}

// Every side between two cells has the same wall flag seen from both cells.
inline bool WallsMirrored(const maze::MazeModel& m) {
  for (int y = 0; y < m.rows; ++y) {
    for (int x = 0; x < m.columns; ++x) {
      if (x + 1 < m.columns &&
          m.cells[y][x].wall[maze::East] != m.cells[y][x + 1].wall[maze::West]) {
        return false;
      }
      if (y + 1 < m.rows &&
          m.cells[y][x].wall[maze::South] != m.cells[y + 1][x].wall[maze::North]) {
        return false;
      }
    }
  }
  return true;
}

// Connected with exactly cells - 1 open pairs: one way between any two cells.
inline bool IsSpanningTree(const maze::MazeModel& m) {
  const int cells = m.columns * m.rows;
  return OpenPairs(m) == cells - 1 && ReachableCells(m) == cells;
}

}  // namespace maze_test
