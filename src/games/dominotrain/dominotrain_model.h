// The rules of the Domino train that need no window: the symbols each car carries, the order in
// which the wagons must be coupled, the wagon grid, and the arithmetic of the train's movements.
// The form keeps the cars' pictures and places and asks this model what fits where.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "gameutil/gameutil.h"

namespace dominotrain {

// Cars: the locomotive's and the wagons' frame sizes and picture strips.
constexpr std::int32_t kLocoWidth = 212;
constexpr std::int32_t kLocoHeight = 250;
constexpr std::int32_t kWagonWidth = 186;
constexpr std::int32_t kWagonHeight = 138;
constexpr std::int32_t kCarFrames = 5;
constexpr std::int32_t kLocoRunningFrames = 4;
constexpr std::int32_t kLocoStandingFrame = 4;
constexpr std::int32_t kLocoFrameDuration = 150;
constexpr std::int32_t kWagonFrameDuration = 300;

// Symbols: 35 x 35, stamped 41 pixels in from a car's end and 100 up from its bottom edge.
constexpr std::int32_t kSymbolSize = 35;
constexpr std::int32_t kSymbolInset = 41;
constexpr std::int32_t kSymbolRise = 100;
constexpr int kSymbolTableSize = 91;
constexpr int kLoadedSymbols = 18;
constexpr int kSymbolRangeCount = 8;
constexpr std::int16_t kNoSymbol = -1;

// The track: cars stand with their bottom edge on y = 282; a wagon is dropped inside this zone.
constexpr GameUtil::Rect kDropZone{0, 100, 800, 182};
constexpr std::int32_t kTrackBottom = kDropZone.Top + kDropZone.Height;
constexpr GameUtil::Point kDropZoneCentre{kDropZone.Left + kDropZone.Width / 2,
                                          kDropZone.Top + kDropZone.Height / 2};

// The movements: drive in from the right, pull by one wagon on each coupling, leave, pass again.
constexpr double kLocoStartX = kLocoWidth + 800;
constexpr std::int16_t kDriveInDistance = -860;
constexpr double kDriveInSpeed = 250;
constexpr double kPullSpeed = 100;
constexpr double kLeaveSpeed = 130;
constexpr double kPassSpeed = 300;
constexpr double kPassStartX = 800;

// The wagon grid: two rows of four places, the last one left free for the buttons.
constexpr int kSlotCount = 7;
constexpr int kSlotColumns = 4;
struct Slot {
  std::int16_t occupant = -1;  // car index, -1 = free
  std::int16_t x = 0;          // the wagon's top-left corner
  std::int16_t y = 0;
};

// One car as the rules see it: its frame size and its two symbols (kNoSymbol = none).
struct CarPlan {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int16_t front = kNoSymbol;
  std::int16_t rear = kNoSymbol;
};

// A whole number lo..hi inclusive, as RandomRange gives it; injectable for tests.
using RandomDraw = std::function<double(std::int16_t lo, std::int16_t hi)>;

class TrainModel {
 public:
  explicit TrainModel(RandomDraw draw = {});

  // Called when PickSymbol finds no free symbol in its range.
  std::function<void()> onNotEnoughSymbols;

  // A symbol of the current range not used yet by this train: a random start, then the next
  // free one upwards, wrapping round. When the range is used up, onNotEnoughSymbols is called
  // and the last probed symbol is used again.
  std::int16_t PickSymbol();

  // A new train of `wagonCount` wagons: fresh symbols (the locomotive's rear first, then each
  // wagon's), the locomotive alone in the train, and the wagons placed in random free slots of
  // 0 .. wagonCount - 1.
  void NewTrain(std::int16_t wagons);

  // The one wagon that fits: the next index after the train's last car.
  bool Fits(std::int16_t car) const;
  // Adds a fitting wagon to the train and frees its slot.
  void Couple(std::int16_t car);
  bool Complete() const { return connectedCount == wagonCount; }

  // The slot a car stands in, or -1.
  int SlotOf(std::int16_t car) const;
  // The occupied slot whose wagon strictly contains the point, or -1.
  int SlotAt(int x, int y) const;
  // The next occupied slot after `selected` (from slot 0 itself when none is selected), going
  // round the slots at most once; -1 when all are free.
  int NextOccupiedSlot(int selected) const;

  // The widths of the cars coupled so far, and of all cars of the train.
  std::int32_t CoupledWidth() const;
  std::int32_t TotalWidth() const;
  // Where the next wagon is coupled, for a locomotive at x.
  std::int32_t CouplingPoint(double locoX) const;
  // The leave sequence: out until the train's end reaches the left edge, then from the right
  // edge once through the whole screen.
  std::int16_t LeaveDistance(double locoX) const;
  std::int16_t PassDistance() const;

  std::int16_t wagonCount = 3;
  std::vector<CarPlan> cars;             // 0 = locomotive, 1 .. wagonCount = wagons
  std::vector<std::int16_t> trainOrder;  // car indices, -1 = empty
  std::int16_t trainLength = 0;          // cars coupled, locomotive included
  std::int16_t connectedCount = 0;       // wagons coupled
  std::array<Slot, kSlotCount> slots{};
  std::array<std::int16_t, kSymbolTableSize> symbolUsage{};
  std::array<std::pair<std::int32_t, std::int32_t>, kSymbolRangeCount> symbolRanges{};
  std::int16_t symbolRangeIndex = 0;

 private:
  int Draw(int lo, int hi);
  RandomDraw draw_;
};

// One leftward movement of the train to a target place, advanced by elapsed time.
class TrainMovement {
 public:
  // From x by dx (the target is x + dx as the nearest 16-bit whole number).
  TrainMovement(double x, std::int16_t dx);
  std::int16_t target() const { return target_; }
  // Still short of the target.
  bool Running(double x) const { return x > target_; }
  // The place after `elapsedMs` at `speed` pixels a second.
  static double Step(double x, std::int32_t elapsedMs, double speed);
  // A place that overshot the target is put back on it.
  double Settle(double x) const { return x < target_ ? target_ : x; }

 private:
  std::int16_t target_;
};

}  // namespace dominotrain
