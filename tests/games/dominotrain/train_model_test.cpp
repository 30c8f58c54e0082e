// The Domino train's rules without a window: symbols, the coupling order, the wagon grid, the
// keyboard's slot choice and the places the train moves to.
#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "games/dominotrain/dominotrain_model.h"
#include "games/dominotrain/dominotrain_options.h"

namespace {

using dominotrain::CarPlan;
using dominotrain::kNoSymbol;
using dominotrain::TrainModel;
using dominotrain::TrainMovement;

// A draw that hands out a scripted sequence (lo when it runs out).
dominotrain::RandomDraw Scripted(std::deque<int> values) {
  auto queue = std::make_shared<std::deque<int>>(std::move(values));
  return [queue](std::int16_t lo, std::int16_t) {
    if (queue->empty()) return static_cast<double>(lo);
    const int v = queue->front();
    queue->pop_front();
    return static_cast<double>(v);
  };
}

// The grid wagons whose front symbol equals the rear symbol of the train's last car.
std::vector<int> Matching(const TrainModel& m) {
  const std::int16_t rear = m.cars[m.trainOrder[m.trainLength - 1]].rear;
  std::vector<int> found;
  for (const auto& slot : m.slots) {
    if (slot.occupant > 0 && m.cars[slot.occupant].front == rear) found.push_back(slot.occupant);
  }
  return found;
}

TEST(TrainModel, EveryTrainChainsUniqueSymbolsAndOnlyTheNextWagonFits) {
  std::set<std::pair<int, int>> orders;  // (slot, wagon) of the three-wagon trains
  for (std::int16_t wagons : {3, 5, 7}) {
    for (int seed = 0; seed < 200; ++seed) {
      SCOPED_TRACE(testing::Message() << wagons << " wagons, seed " << seed);
      GameUtil::Randomize(seed);
      TrainModel m;
      m.NewTrain(wagons);
      ASSERT_EQ(m.cars.size(), static_cast<std::size_t>(wagons + 1));
      EXPECT_EQ(m.cars[0].front, kNoSymbol);
      EXPECT_EQ(m.cars[wagons].rear, kNoSymbol);
      std::set<int> symbols;
      for (int i = 0; i < wagons; ++i) {
        const std::int16_t s = m.cars[i].rear;
        ASSERT_TRUE(s >= 0 && s < dominotrain::kLoadedSymbols) << s;
        symbols.insert(s);
        EXPECT_EQ(m.cars[i + 1].front, s);
      }
      EXPECT_EQ(symbols.size(), static_cast<std::size_t>(wagons));

      // The wagons fill exactly slots 0 .. wagons - 1, one each.
      std::set<int> placed;
      for (int k = 0; k < dominotrain::kSlotCount; ++k) {
        const int occupant = m.slots[k].occupant;
        EXPECT_EQ(occupant != -1, k < wagons) << "slot " << k;
        if (occupant != -1) placed.insert(occupant);
      }
      EXPECT_EQ(placed.size(), static_cast<std::size_t>(wagons));
      for (int k = 0; wagons == 3 && k < 3; ++k) orders.insert({k, m.slots[k].occupant});

      // Coupling in order: at each step exactly one grid wagon matches, the next one.
      for (std::int16_t next = 1; next <= wagons; ++next) {
        EXPECT_EQ(Matching(m), std::vector<int>{next});
        for (std::int16_t car = 0; car <= wagons + 1; ++car) EXPECT_EQ(m.Fits(car), car == next);
        const int slot = m.SlotOf(next);
        ASSERT_GE(slot, 0);
        m.Couple(next);
        EXPECT_EQ(m.slots[slot].occupant, -1);
        EXPECT_EQ(m.trainLength, next + 1);
        EXPECT_EQ(m.connectedCount, next);
        EXPECT_EQ(m.Complete(), next == wagons);
      }
      EXPECT_EQ(m.NextOccupiedSlot(-1), -1);
    }
  }
  EXPECT_EQ(orders.size(), 9u);  // each wagon stands in each slot in some train
}

TEST(TrainModel, PickSymbolProbesUpwardsAndWrapsAndWarnsWhenTheRangeIsUsedUp) {
  struct Case {
    const char* name;
    std::vector<int> used;  // symbols of range 0..3 already taken
    int draw;
    int expected;
    bool warned;
  };
  const Case cases[] = {
      {"free at once", {}, 2, 2, false},
      {"next one up", {1}, 1, 2, false},
      {"wraps to the bottom", {3}, 3, 0, false},
      {"farthest free one", {1, 2, 3}, 1, 0, false},
      {"none free: the drawn one again", {0, 1, 2, 3}, 2, 2, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TrainModel m(Scripted({c.draw}));
    m.symbolRanges[1] = {0, 3};
    m.symbolRangeIndex = 1;
    for (int s : c.used) m.symbolUsage[s] = 1;
    int warnings = 0;
    m.onNotEnoughSymbols = [&warnings] { ++warnings; };
    const std::int16_t before = m.symbolUsage[c.expected];
    EXPECT_EQ(m.PickSymbol(), c.expected);
    EXPECT_EQ(warnings, c.warned ? 1 : 0);
    EXPECT_EQ(m.symbolUsage[c.expected], before + 1);
  }
}

TEST(TrainModel, TheGamesSymbolRangeNeverRunsOut) {
  // Eighteen symbols, at most seven a train: the warning is only reachable with a smaller range.
  int warnings = 0;
  for (int seed = 0; seed < 300; ++seed) {
    GameUtil::Randomize(seed);
    TrainModel m;
    m.onNotEnoughSymbols = [&warnings] { ++warnings; };
    m.NewTrain(7);
  }
  EXPECT_EQ(warnings, 0);
  // One symbol for a locomotive and a wagon: the second pick warns.
  TrainModel tiny;
  tiny.symbolRanges[0] = {5, 5};
  tiny.onNotEnoughSymbols = [&warnings] { ++warnings; };
  tiny.NewTrain(2);
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(tiny.cars[0].rear, 5);
  EXPECT_EQ(tiny.cars[1].rear, 5);
}

TEST(TrainModel, SpaceGoesRoundTheOccupiedSlots) {
  struct Case {
    std::vector<int> occupied;
    int selected;
    int expected;
  };
  const Case cases[] = {
      {{0, 2}, -1, 0},  // none selected: the search starts at slot 0 itself
      {{1, 4}, -1, 1}, {{1, 4}, 1, 4},
      {{1, 4}, 4, 1},  {{6}, 6, 6},  // the only wagon stays selected
      {{0, 6}, 6, 0},                // round from the last slot
      {{}, -1, -1},    {{}, 3, -1},
  };
  for (const Case& c : cases) {
    TrainModel m;
    for (int k : c.occupied) m.slots[k].occupant = static_cast<std::int16_t>(k + 1);
    EXPECT_EQ(m.NextOccupiedSlot(c.selected), c.expected) << "from " << c.selected;
  }
}

TEST(TrainModel, TheGridsStrictHitTest) {
  TrainModel m;
  for (int k = 0; k < 7; ++k) m.slots[k].occupant = static_cast<std::int16_t>(k + 1);
  struct Case {
    int x, y, expected;
  };
  for (const Case c :
       {Case{21, 321, 0}, Case{20, 400, -1}, Case{100, 320, -1}, Case{205, 457, 0},
        Case{206, 400, -1}, Case{207, 400, 1}, Case{300, 458, -1}, Case{300, 459, 5},
        Case{763, 457, 3}, Case{700, 500, -1}, Case{577, 500, 6}, Case{400, 597, -1}}) {
    EXPECT_EQ(m.SlotAt(c.x, c.y), c.expected) << c.x << "," << c.y;
  }
  m.slots[5].occupant = -1;  // a free slot is never hit
  EXPECT_EQ(m.SlotAt(300, 500), -1);
}

// Runs one movement as the form's loop does, with frames of the given length.
double Drive(double x, std::int16_t dx, double speed, int frameMs) {
  const TrainMovement move(x, dx);
  while (move.Running(x)) x = TrainMovement::Step(x, frameMs, speed);
  return move.Settle(x);
}

TEST(TrainModel, TheTrainStopsWhereTheRulesSayAtAnyFrameRate) {
  for (int frameMs : {1, 10, 37, 1000}) {
    for (std::int16_t wagons : {3, 5, 7}) {
      SCOPED_TRACE(testing::Message() << wagons << " wagons, " << frameMs << " ms frames");
      GameUtil::Randomize(wagons);
      TrainModel m;
      m.NewTrain(wagons);
      double loco = Drive(dominotrain::kLocoStartX, dominotrain::kDriveInDistance,
                          dominotrain::kDriveInSpeed, frameMs);
      EXPECT_EQ(loco, 152);
      EXPECT_EQ(m.CouplingPoint(loco), 364);
      for (std::int16_t car = 1; car <= wagons; ++car) {
        m.Couple(car);
        if (m.Complete()) break;
        loco = Drive(loco, static_cast<std::int16_t>(-m.cars[car].width), dominotrain::kPullSpeed,
                     frameMs);
        EXPECT_EQ(loco, 152 - 186 * car);
        EXPECT_EQ(m.CouplingPoint(loco), 364);  // the next wagon couples at the same place
      }
      // Out until the train's end reaches the left edge ...
      loco = Drive(loco, m.LeaveDistance(loco), dominotrain::kLeaveSpeed, frameMs);
      EXPECT_EQ(loco + m.TotalWidth(), 0);
      // ... then once through the whole screen from its right edge, ending out of sight.
      loco = Drive(dominotrain::kPassStartX, m.PassDistance(), dominotrain::kPassSpeed, frameMs);
      EXPECT_EQ(loco + m.TotalWidth(), -50);
    }
  }
}

TEST(TrainModel, AMovementTargetsTheNearestWholePlace) {
  struct Case {
    double x;
    std::int16_t dx;
    int target;
  };
  for (const Case c : {Case{1012, -860, 152}, Case{100.5, -10, 90}, Case{101.5, -10, 92},
                       Case{-1150, -364, -1514}, Case{0.4, -1, -1}}) {
    EXPECT_EQ(TrainMovement(c.x, c.dx).target(), c.target) << c.x << " " << c.dx;
  }
  const TrainMovement move(200, -100);
  EXPECT_EQ(move.Settle(97.5), 100);  // an overshoot is put back
  EXPECT_EQ(move.Settle(100.25), 100.25);
  EXPECT_FALSE(move.Running(100));
  EXPECT_TRUE(move.Running(100.01));
}

TEST(DominoTrainOptions, EveryWagonCountShowsALevelButton) {
  struct Case {
    int wagons, level;
  };
  for (const Case c :
       {Case{3, 0}, Case{5, 1}, Case{7, 2}, Case{4, 1}, Case{0, 1}, Case{-3, 1}, Case{9, 1}}) {
    EXPECT_EQ(dominotrain::LevelOfWagonCount(c.wagons), c.level) << c.wagons;
  }
}

}  // namespace
