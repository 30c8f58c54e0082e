#include "games/maze/maze_model.h"

#include <algorithm>
#include <utility>

#include "gameutil/gameutil.h"
#include "gameutil/numeric.h"

namespace maze {

std::int16_t CellSizeFor(std::int16_t size) {
  if (size < 1) return 0;
  return static_cast<std::int16_t>(GameUtil::RoundHalfEven(double(MazeAreaSize) / size));
}

MazeModel::MazeModel(RandomDraw draw) : draw_(std::move(draw)) {
  if (!draw_)
    draw_ = [](std::int16_t lo, std::int16_t hi) { return GameUtil::RandomRange(lo, hi); };
}

int MazeModel::Draw(int lo, int hi) {
  const double value = draw_(static_cast<std::int16_t>(lo), static_cast<std::int16_t>(hi));
  // A whole number in range by contract; clamped anyway, since it indexes the grid.
  return static_cast<int>(std::clamp<std::int64_t>(GameUtil::FloorInt(value), lo, hi));
}

std::int16_t MazeModel::DrawGridSize(std::int16_t skill) {
  if (skill <= 1) return static_cast<std::int16_t>(Draw(5, 7));
  if (skill == 2) return static_cast<std::int16_t>(Draw(8, 10));
  return static_cast<std::int16_t>(Draw(11, 15));
}

void MazeModel::Generate(std::int16_t skill) {
  GenerateWithSize(DrawGridSize(skill));
}

void MazeModel::GenerateWithSize(std::int16_t size) {
  size = std::clamp(size, MinGridSize, MaxGridSize);
  cellWidth = cellHeight = CellSizeFor(size);
  ResetCells(size);

  const int red = Draw(128, 255);
  const int green = Draw(128, 255);
  const int blue = Draw(128, 255);
  mazeColour = Rgb(red, green, blue);

  figureX = columns - 1;
  figureY = rows - 1;
  figureDirection = North;
  showPath = false;

  // The target stays in the top-left quarter, away from the figure's corner.
  targetX = Draw(0, columns / 2);
  targetY = Draw(0, rows / 2);

  const int startX = Draw(0, columns - 1);
  const int startY = Draw(0, rows - 1);
  CarveFrom(static_cast<std::int16_t>(startX), static_cast<std::int16_t>(startY));
  JoinUnreachedCells();
}

void MazeModel::ResetCells(std::int16_t size) {
  columns = rows = size;
  cells.assign(rows, std::vector<MazeCell>(columns));
  for (int y = 0; y < rows; ++y) {
    cells[y][0].edge[West] = true;
    cells[y][columns - 1].edge[East] = true;
  }
  for (int x = 0; x < columns; ++x) {
    cells[0][x].edge[North] = true;
    cells[rows - 1][x].edge[South] = true;
  }
}

bool MazeModel::Blocked(int x, int y, int direction) const {
  const MazeCell& cell = cells[y][x];
  return cell.wall[direction] || cell.edge[direction];
}

void MazeModel::Join(int x, int y, int direction) {
  cells[y][x].wall[direction] = false;
  cells[y + DirectionY[direction]][x + DirectionX[direction]].wall[Opposite(direction)] = false;
}

void MazeModel::CarveFrom(std::int16_t x, std::int16_t y) {
  if (!Inside(x, y)) return;
  // One frame per pending recursive call: its cell, current direction and steps left.
  struct Frame {
    int x, y, direction, stepsLeft;
  };
  std::vector<Frame> stack;
  stack.reserve(static_cast<std::size_t>(columns) * rows);
  auto enter = [&](int cx, int cy) {
    cells[cy][cx].visited = true;
    stack.push_back({cx, cy, Draw(0, 3), 5});
  };

  enter(x, y);
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.stepsLeft == 0) {
      stack.pop_back();
      continue;
    }
    --frame.stepsLeft;
    const int d = frame.direction;
    if (cells[frame.y][frame.x].edge[d]) {
      frame.direction = NextClockwise(d);
      continue;
    }
    const int nx = frame.x + DirectionX[d];
    const int ny = frame.y + DirectionY[d];
    if (cells[ny][nx].visited) {
      frame.direction = NextClockwise(d);
      continue;
    }
    // Carve straight on without turning: the next step of this cell finds the neighbour
    // visited and turns then.
    Join(frame.x, frame.y, d);
    enter(nx, ny);  // invalidates frame
  }
}

int MazeModel::JoinUnreachedCells() {
  int joins = 0;
  bool joined = true;
  while (joined) {
    joined = false;
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < columns; ++x) {
        if (cells[y][x].visited) continue;
        auto reachedNeighbour = [&](int d) {
          return !cells[y][x].edge[d] && cells[y + DirectionY[d]][x + DirectionX[d]].visited;
        };
        bool any = false;
        for (int d = 0; d < 4; ++d) any = any || reachedNeighbour(d);
        if (!any) continue;
        // Like the carving: a random first direction, then clockwise to a reached neighbour.
        int d = Draw(0, 3);
        while (!reachedNeighbour(d)) d = NextClockwise(d);
        Join(x, y, d);
        CarveFrom(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
        ++joins;
        joined = true;
      }
    }
  }
  return joins;
}

void MazeModel::ShowPath() {
  for (auto& row : cells) {
    for (auto& cell : row) {
      cell.pathDirection = NotOnPath;
      cell.visited = false;
    }
  }
  FindPath(static_cast<std::int16_t>(figureX), static_cast<std::int16_t>(figureY), targetX,
           targetY);
}

bool MazeModel::FindPath(std::int16_t x, std::int16_t y, std::int32_t toX, std::int32_t toY) {
  if (!Inside(x, y)) return false;
  // One frame per pending recursive call: its cell and the direction it is trying.
  struct Frame {
    int x, y, direction;
  };
  std::vector<Frame> stack;
  stack.reserve(static_cast<std::size_t>(columns) * rows);
  cells[y][x].visited = true;
  stack.push_back({x, y, 0});

  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.direction == 4) {
      // Not found from this cell: the caller tries its next direction.
      stack.pop_back();
      if (!stack.empty()) ++stack.back().direction;
      continue;
    }
    const int d = frame.direction;
    if (Blocked(frame.x, frame.y, d)) {
      ++frame.direction;
      continue;
    }
    const int nx = frame.x + DirectionX[d];
    const int ny = frame.y + DirectionY[d];
    if (nx == toX && ny == toY) {
      // Found: every pending cell marks the direction it was trying.
      for (const Frame& f : stack) {
        cells[f.y][f.x].pathDirection = static_cast<std::uint8_t>(f.direction);
      }
      return true;
    }
    if (cells[ny][nx].visited) {
      ++frame.direction;
      continue;
    }
    cells[ny][nx].visited = true;
    stack.push_back({nx, ny, 0});  // invalidates frame
  }
  return false;
}

bool MazeModel::StepFigure(int direction) {
  direction = ((direction % 4) + 4) % 4;
  figureDirection = static_cast<std::int16_t>(direction);
  if (!Inside(figureX, figureY) || Blocked(figureX, figureY, direction)) return false;
  figureX += DirectionX[direction];
  figureY += DirectionY[direction];
  return true;
}

}  // namespace maze
