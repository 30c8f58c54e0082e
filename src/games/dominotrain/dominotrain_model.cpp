#include "games/dominotrain/dominotrain_model.h"

#include <algorithm>
#include <limits>

#include "gameutil/numeric.h"

namespace dominotrain {

TrainModel::TrainModel(RandomDraw draw) : draw_(std::move(draw)) {
  for (int k = 0; k < kSlotCount; ++k) {
    const int row = k / kSlotColumns;
    const int column = k % kSlotColumns;
    slots[k].x = static_cast<std::int16_t>(kWagonWidth * column + 20);
    slots[k].y = static_cast<std::int16_t>(kWagonHeight * row + 320);
  }
  symbolRanges[0] = {0, kLoadedSymbols - 1};
}

int TrainModel::Draw(int lo, int hi) {
  const double value =
      draw_ ? draw_(static_cast<std::int16_t>(lo), static_cast<std::int16_t>(hi))
            : GameUtil::RandomRange(static_cast<std::int16_t>(lo), static_cast<std::int16_t>(hi));
  return std::clamp(static_cast<int>(value), lo, hi);
}

std::int16_t TrainModel::PickSymbol() {
  const auto [rangeLo, rangeHi] =
      symbolRanges[std::clamp<int>(symbolRangeIndex, 0, kSymbolRangeCount - 1)];
  // Only symbols the table holds can be counted.
  const int lo = std::clamp<int>(rangeLo, 0, kSymbolTableSize - 1);
  const int hi = std::clamp<int>(rangeHi, lo, kSymbolTableSize - 1);
  int r = Draw(lo, hi);
  int probes = 0;
  while (symbolUsage[r] > 0) {
    r = r + 1 > hi ? lo : r + 1;
    if (++probes > hi - lo) {
      if (onNotEnoughSymbols) onNotEnoughSymbols();
      break;
    }
  }
  ++symbolUsage[r];
  return static_cast<std::int16_t>(r);
}

void TrainModel::NewTrain(std::int16_t wagons) {
  wagonCount = std::clamp<std::int16_t>(wagons, 1, kSlotCount);
  for (Slot& slot : slots) slot.occupant = -1;
  symbolUsage.fill(0);
  cars.assign(wagonCount + 1, CarPlan{});
  trainOrder.assign(wagonCount + 1, -1);
  trainOrder[0] = 0;
  trainLength = 1;
  connectedCount = 0;

  cars[0] = {kLocoWidth, kLocoHeight, kNoSymbol, PickSymbol()};
  for (int i = 1; i <= wagonCount; ++i) {
    const std::int16_t rear = i < wagonCount ? PickSymbol() : kNoSymbol;
    cars[i] = {kWagonWidth, kWagonHeight, cars[i - 1].rear, rear};
    int k = Draw(0, wagonCount - 1);
    while (slots[k].occupant != -1) k = (k + 1) % wagonCount;
    slots[k].occupant = static_cast<std::int16_t>(i);
  }
}

bool TrainModel::Fits(std::int16_t car) const {
  return trainLength >= 1 && car == trainOrder[trainLength - 1] + 1 && car <= wagonCount;
}

void TrainModel::Couple(std::int16_t car) {
  if (trainLength > wagonCount) return;
  const int slot = SlotOf(car);
  if (slot >= 0) slots[slot].occupant = -1;
  trainOrder[trainLength] = car;
  ++trainLength;
  ++connectedCount;
}

int TrainModel::SlotOf(std::int16_t car) const {
  for (int k = 0; k < kSlotCount; ++k) {
    if (car >= 0 && slots[k].occupant == car) return k;
  }
  return -1;
}

int TrainModel::SlotAt(int x, int y) const {
  for (int k = 0; k < kSlotCount; ++k) {
    if (slots[k].occupant == -1) continue;
    const GameUtil::Rect r{slots[k].x, slots[k].y, kWagonWidth, kWagonHeight};
    if (GameUtil::PointInRect(x, y, r) == GameUtil::True) return k;
  }
  return -1;
}

int TrainModel::NextOccupiedSlot(int selected) const {
  const int start = selected < 0 ? 0 : (selected + 1) % kSlotCount;
  for (int step = 0; step < kSlotCount; ++step) {
    const int k = (start + step) % kSlotCount;
    if (slots[k].occupant != -1) return k;
  }
  return -1;
}

std::int32_t TrainModel::CoupledWidth() const {
  std::int32_t width = 0;
  for (std::int16_t car : trainOrder) {
    if (car >= 0 && car < static_cast<int>(cars.size())) width += cars[car].width;
  }
  return width;
}

std::int32_t TrainModel::TotalWidth() const {
  std::int32_t width = 0;
  for (const CarPlan& car : cars) width += car.width;
  return width;
}

std::int32_t TrainModel::CouplingPoint(double locoX) const {
  return static_cast<std::int32_t>(GameUtil::RoundHalfEven(locoX)) + CoupledWidth();
}

namespace {

std::int16_t ToInt16(double v) {
  return static_cast<std::int16_t>(
      std::clamp<std::int64_t>(GameUtil::RoundHalfEven(v), std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

std::int16_t TrainModel::LeaveDistance(double locoX) const {
  return ToInt16(-(TotalWidth() + locoX));
}

std::int16_t TrainModel::PassDistance() const {
  return ToInt16(-(TotalWidth() + 850.0));
}

TrainMovement::TrainMovement(double x, std::int16_t dx) : target_(ToInt16(x + dx)) {}

double TrainMovement::Step(double x, std::int32_t elapsedMs, double speed) {
  return x - elapsedMs / 1000.0 * speed;
}

}  // namespace dominotrain
