// The maze itself: a square grid of walled cells, carved by a randomised depth-first walk, and
// the way search that marks the path from the figure to the target. No drawing here: the form
// draws from these fields and calls Generate from its ResetForm after it has stopped the sounds
// and loaded the scenario's pictures.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace maze {

// Directions, used for cell sides, figure and arrow pictures and keys alike.
constexpr int East = 0;
constexpr int South = 1;
constexpr int West = 2;
constexpr int North = 3;
constexpr int DirectionX[4] = {1, 0, -1, 0};
constexpr int DirectionY[4] = {0, 1, 0, -1};

constexpr int Opposite(int d) {
  return (d + 2) % 4;
}
constexpr int NextClockwise(int d) {
  return (d + 1) % 4;
}

// pathDirection of a cell that is not on the shown way.
constexpr std::uint8_t NotOnPath = 255;

// Grid sizes the game uses: 5 to 7 (easy), 8 to 10 (medium), 11 to 15 (hard).
constexpr std::int16_t MinGridSize = 3;
constexpr std::int16_t MaxGridSize = 15;
// The maze area is about this many pixels square.
constexpr int MazeAreaSize = 600;

struct MazeCell {
  std::array<bool, 4> edge{};  // the neighbour on that side lies outside the grid
  std::array<bool, 4> wall{true, true, true, true};
  std::uint8_t pathDirection = NotOnPath;
  bool visited = false;
};

// A whole number lo..hi inclusive, as the game library's RandomRange gives it. Injectable so
// that tests can script the exact sequence of draws.
using RandomDraw = std::function<double(std::int16_t lo, std::int16_t hi)>;

// Side of a cell in pixels for a grid size: 600 / size, halves to even.
std::int16_t CellSizeFor(std::int16_t size);

// Colour value as the form stores it: red + 256 * green + 65536 * blue.
constexpr std::int32_t Rgb(int red, int green, int blue) {
  return red + 256 * green + 65536 * blue;
}

struct MazeModel {
  explicit MazeModel(RandomDraw draw = {});

  // A new maze for a skill level: one draw for the grid size, then GenerateWithSize. Skill 1 is
  // easy, 2 medium, 3 hard; a value below 1 counts as 1 and one above 3 as 3.
  void Generate(std::int16_t skill);
  // The grid-size draw of Generate on its own.
  std::int16_t DrawGridSize(std::int16_t skill);
  // A new maze of the given size (kept within MinGridSize..MaxGridSize): cell size, fresh cells,
  // floor colour, figure, target, then the carving from a random start.
  void GenerateWithSize(std::int16_t size);

  // Fresh cells for a size: all walls standing, edges marked on the outer sides.
  void ResetCells(std::int16_t size);
  // Carves passages from a cell into every cell it can reach, depth first. Draw order and
  // result are those of the recursive walk (five steps per cell, turning clockwise at an edge
  // or a visited neighbour, carving straight on otherwise); an explicit stack keeps deep grids
  // safe.
  void CarveFrom(std::int16_t x, std::int16_t y);
  // Joins every cell the carving left unvisited to a visited neighbour and carves on from it,
  // so every cell is reached and the passages stay a tree. Returns how many joins it made; the
  // walk above has not been seen to leave a cell, so this is normally 0.
  int JoinUnreachedCells();

  // Clears the path marks and marks the way from the figure to the target.
  void ShowPath();
  // Depth-first search from (x, y) to the target, trying east, south, west, north in turn; each
  // cell on the way (not the target) gets the direction to the next one. True when found.
  bool FindPath(std::int16_t x, std::int16_t y, std::int32_t toX, std::int32_t toY);

  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < columns && y < rows; }
  // A wall or the grid's edge on that side of the cell.
  bool Blocked(int x, int y, int direction) const;
  // Turns the figure to face the direction and moves it one cell if nothing blocks the way.
  // True when it moved.
  bool StepFigure(int direction);
  bool FigureOnTarget() const { return figureX == targetX && figureY == targetY; }

  std::int16_t columns = 0;
  std::int16_t rows = 0;
  std::int16_t cellWidth = 0;
  std::int16_t cellHeight = 0;
  std::vector<std::vector<MazeCell>> cells;  // [y][x]
  std::int32_t figureX = 0;
  std::int32_t figureY = 0;
  std::int16_t figureDirection = North;
  std::int32_t targetX = 0;
  std::int32_t targetY = 0;
  std::int32_t mazeColour = 0;
  bool showPath = false;

 private:
  int Draw(int lo, int hi);
  void Join(int x, int y, int direction);

  RandomDraw draw_;
};

}  // namespace maze
