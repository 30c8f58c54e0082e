#include "games/scratch/coverage.h"

#include <algorithm>

#include "gameutil/numeric.h"

namespace scratch {

namespace {
constexpr std::int32_t kFieldPixels = kFieldWidth * kFieldHeight;
}

CoverageMap::CoverageMap() : flags_(kFieldPixels, 0) {}

void CoverageMap::Clear() {
  std::fill(flags_.begin(), flags_.end(), std::int16_t{0});
}

void CoverageMap::MarkSquare(int left, int top, int side) {
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  // In 64 bits: a square far off the field must not overflow the far edge.
  const int x1 =
      static_cast<int>(std::min<long long>(static_cast<long long>(left) + side, kFieldWidth));
  const int y1 =
      static_cast<int>(std::min<long long>(static_cast<long long>(top) + side, kFieldHeight));
  for (int y = y0; y < y1; ++y) {
    if (x0 < x1) std::fill_n(flags_.begin() + y * kFieldWidth + x0, x1 - x0, std::int16_t{-1});
  }
}

std::int16_t CoverageMap::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= kFieldWidth || y >= kFieldHeight) return 0;
  return flags_[y * kFieldWidth + x];
}

std::int32_t CoverageMap::CountUncovered() const {
  return static_cast<std::int32_t>(std::count(flags_.begin(), flags_.end(), std::int16_t{-1}));
}

std::int32_t CoverageMap::Percent() const {
  // count * 100 first, so the shares that end in exactly one half stay exact.
  const double share = CountUncovered() * 100.0 / kFieldPixels;
  return static_cast<std::int32_t>(GameUtil::RoundHalfEven(share));
}

int SquareCorner(double centre, int side) {
  return GameUtil::NearestInt(centre - side / 2.0);
}

RevealGrid GridFor(int scratchSize) {
  if (scratchSize < 46) return {5, 5, 160};
  if (scratchSize < 66) return {5, 4, 200};
  return {4, 3, 267};
}

std::vector<RevealCell> BuildRevealCells(int scratchSize) {
  const RevealGrid grid = GridFor(scratchSize);
  std::vector<RevealCell> cells;
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      RevealCell cell;
      cell.left = static_cast<std::int32_t>(
          GameUtil::RoundHalfEven(static_cast<double>(kFieldWidth) / grid.columns * column));
      cell.top = static_cast<std::int32_t>(
          GameUtil::RoundHalfEven(static_cast<double>(kFieldHeight) / grid.rows * row));
      cells.push_back(cell);
    }
  }
  return cells;
}

int NextRevealCell(const std::vector<RevealCell>& cells, float rnd) {
  const int n = static_cast<int>(cells.size());
  if (n == 0) return -1;
  const int start = std::clamp(GameUtil::NearestInt(static_cast<double>(rnd) * (n - 1)), 0, n - 1);
  for (int i = 0; i < n; ++i) {
    const int index = (start + i) % n;
    if (!cells[index].revealed) return index;
  }
  return -1;
}

}  // namespace scratch
