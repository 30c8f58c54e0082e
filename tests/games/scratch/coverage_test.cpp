// The scratch card's coverage map, its rounded share and the Space key's reveal cells.
#include "games/scratch/coverage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "gameutil/gameutil.h"

namespace {

using scratch::CoverageMap;

// Uncovers the first `count` pixels row by row, one pixel at a time.
void UncoverFirst(CoverageMap& map, int count) {
  for (int i = 0; i < count; ++i) map.MarkSquare(i % 800, i / 800, 1);
}

TEST(ScratchCoverage, TheShareIsRoundedHalvesToEven) {
  struct Case {
    int pixels;
    int percent;
  };
  // 24.5 % rounds down to 24 (short of 25), 25.5 % up to 26; exactly 25 % stays 25.
  for (const Case c : {Case{0, 0}, Case{117600, 24}, Case{120000, 25}, Case{122400, 26},
                       Case{242400, 50}, Case{480000, 100}}) {
    CoverageMap map;
    UncoverFirst(map, c.pixels);
    EXPECT_EQ(map.CountUncovered(), c.pixels);
    EXPECT_EQ(map.Percent(), c.percent) << c.pixels << " pixels";
  }
}

TEST(ScratchCoverage, SquaresAtTheEdgesMarkOnlyTheField) {
  struct Case {
    int left, top, side;
    int marked;
  };
  const Case cases[] = {
      {100, 100, 56, 56 * 56},  // wholly inside
      {-18, -18, 36, 18 * 18},  // top-left corner
      {790, 590, 36, 10 * 10},  // bottom-right corner
      {780, 300, 36, 20 * 36},  // right edge: nothing spills into the next row
      {300, -30, 76, 76 * 46},  // top edge
      {800, 0, 36, 0},          // just off the right: not the start of row 1
      {-36, 100, 36, 0},        // just off the left
      {0, 600, 76, 0},          // below the field
      {-200, -200, 1000, 480000},
  };
  for (const Case& c : cases) {
    CoverageMap map;
    map.MarkSquare(c.left, c.top, c.side);
    EXPECT_EQ(map.CountUncovered(), c.marked) << c.left << "," << c.top << " side " << c.side;
  }
  CoverageMap map;
  map.MarkSquare(780, 300, 36);
  EXPECT_EQ(map.At(799, 300), -1);
  EXPECT_EQ(map.At(0, 301), 0);  // the row after, on the left
  EXPECT_EQ(map.At(779, 300), 0);
  map.Clear();
  EXPECT_EQ(map.CountUncovered(), 0);
}

TEST(ScratchCoverage, TheSquareIsCentredOnThePointer) {
  EXPECT_EQ(scratch::SquareCorner(100, 36), 82);
  EXPECT_EQ(scratch::SquareCorner(100, 56), 72);
  EXPECT_EQ(scratch::SquareCorner(100.5, 36), 82);  // 82.5 rounds to the even 82
  EXPECT_EQ(scratch::SquareCorner(101.5, 36), 84);  // 83.5 rounds to the even 84
  EXPECT_EQ(scratch::SquareCorner(0, 76), -38);
  // The Space key's enlarged square, centred at round(left + 267 / 2), starts at the cell.
  for (int left : {0, 200, 400, 600}) {
    const double centre = static_cast<double>(static_cast<long long>(std::nearbyint(left + 133.5)));
    EXPECT_EQ(scratch::SquareCorner(centre, 267), left);
  }
}

TEST(ScratchRevealCells, EachToolSizeHasItsGrid) {
  struct Case {
    int size, columns, rows, side;
    std::vector<int> lefts, tops;
  };
  const Case cases[] = {
      {36, 5, 5, 160, {0, 160, 320, 480, 640}, {0, 120, 240, 360, 480}},
      {56, 5, 4, 200, {0, 160, 320, 480, 640}, {0, 150, 300, 450}},
      {76, 4, 3, 267, {0, 200, 400, 600}, {0, 200, 400}},
  };
  for (const Case& c : cases) {
    const scratch::RevealGrid grid = scratch::GridFor(c.size);
    EXPECT_EQ(grid.columns, c.columns);
    EXPECT_EQ(grid.rows, c.rows);
    EXPECT_EQ(grid.spaceSide, c.side);
    const auto cells = scratch::BuildRevealCells(c.size);
    ASSERT_EQ(cells.size(), c.lefts.size() * c.tops.size()) << c.size;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      EXPECT_EQ(cells[i].left, c.lefts[i % c.lefts.size()]) << c.size << " cell " << i;
      EXPECT_EQ(cells[i].top, c.tops[i / c.lefts.size()]) << c.size << " cell " << i;
      EXPECT_FALSE(cells[i].revealed);
    }
    // Uncovering every cell with its enlarged square uncovers the whole field.
    CoverageMap map;
    for (const auto& cell : cells) map.MarkSquare(cell.left, cell.top, c.side);
    EXPECT_EQ(map.Percent(), 100) << c.size;
  }
}

TEST(ScratchRevealCells, SpacePressesUncoverEveryCellOnceInRandomOrder) {
  std::set<std::vector<int>> orders;
  for (int size : {36, 56, 76}) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
      GameUtil::Randomize(seed);
      auto cells = scratch::BuildRevealCells(size);
      std::vector<int> order;
      for (std::size_t press = 0; press < cells.size(); ++press) {
        const int next = scratch::NextRevealCell(cells, GameUtil::Rnd());
        ASSERT_GE(next, 0);
        ASSERT_FALSE(cells[next].revealed);
        cells[next].revealed = true;
        order.push_back(next);
      }
      EXPECT_EQ(scratch::NextRevealCell(cells, GameUtil::Rnd()), -1);
      orders.insert(order);
    }
  }
  EXPECT_GT(orders.size(), 50u);  // the orders differ from seed to seed
}

TEST(ScratchRevealCells, TheSearchStartsAtTheDrawnCellAndWalksForward) {
  auto cells = scratch::BuildRevealCells(76);  // 12 cells
  EXPECT_EQ(scratch::NextRevealCell(cells, 0.0f), 0);
  EXPECT_EQ(scratch::NextRevealCell(cells, 0.5f), 6);     // round(5.5) = 6
  EXPECT_EQ(scratch::NextRevealCell(cells, 0.999f), 11);  // never past the last cell
  cells[11].revealed = true;
  EXPECT_EQ(scratch::NextRevealCell(cells, 0.999f), 0);  // wraps round
  cells[6].revealed = cells[7].revealed = true;
  EXPECT_EQ(scratch::NextRevealCell(cells, 0.5f), 8);
}

}  // namespace
