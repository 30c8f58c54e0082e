// The scratch card's bookkeeping without any drawing: which field pixels are uncovered, the
// share they make, and the grid of cells the Space key uncovers one by one.
#pragma once
#include <cstdint>
#include <vector>

namespace scratch {

constexpr int kFieldWidth = 800;
constexpr int kFieldHeight = 600;

// One 16-bit flag per field pixel, index y * 800 + x: 0 covered, -1 uncovered.
class CoverageMap {
 public:
  CoverageMap();

  void Clear();
  // Uncovers the side x side square whose top-left corner is (left, top); pixels outside the
  // field are left alone.
  void MarkSquare(int left, int top, int side);
  std::int16_t At(int x, int y) const;
  std::int32_t CountUncovered() const;
  // The uncovered share in whole per cent, halves to even (24.5 gives 24, 25.5 gives 26).
  std::int32_t Percent() const;

 private:
  std::vector<std::int16_t> flags_;
};

// The corner of the square a scratch at (x, y) uncovers: round(x - side / 2).
int SquareCorner(double centre, int side);

// The Space key's grid for a tool size.
struct RevealGrid {
  int columns = 0;
  int rows = 0;
  int spaceSide = 0;  // side of the enlarged square Space uncovers
};
// 36: 5 x 5 with 160; 56: 5 x 4 with 200; 76: 4 x 3 with 267. Any other size takes the grid of
// the nearest of the three.
RevealGrid GridFor(int scratchSize);

struct RevealCell {
  std::int32_t left = 0;
  std::int32_t top = 0;
  bool revealed = false;
};

// The cells row by row: left round(800 / columns * column), top round(600 / rows * row).
std::vector<RevealCell> BuildRevealCells(int scratchSize);

// The cell Space uncovers next: from index round(rnd * (N - 1)), rnd in [0, 1), forward with
// wrap-around to the first cell not yet revealed; -1 when every cell is revealed.
int NextRevealCell(const std::vector<RevealCell>& cells, float rnd);

}  // namespace scratch
