#include "games/picturepuzzle/puzzle_model.h"

#include <algorithm>
#include <cmath>

#include "gameutil/numeric.h"

namespace picturepuzzle {

namespace {

bool Valid(std::int32_t slot) {
  return slot >= 0 && slot < kSlotCount;
}

}  // namespace

void PuzzleModel::ClearSlots() {
  for (GameUtil::Sprite& p : pieces) {
    p.visible = GameUtil::False;
    p.tag = kOutOfPlay;
  }
  selectedPiece = -1;
  highlightedPiece = -1;
  placing = false;
  puzzleDone = false;
}

void PuzzleModel::StartScene(int index) {
  if (index < 0 || index >= kSceneCount) return;
  const SceneInfo& scene = Scenes[index];
  for (int i = 0; i < scene.pieceCount && i < kSlotCount; ++i) {
    const PieceInfo& info = scene.pieces[i];
    GameUtil::Sprite& p = pieces[i];
    p.width = info.width;
    p.height = info.height;
    p.x = 0;
    p.y = 0;
    p.scale = 1.0;
    p.frameCount = 0;
    p.frameWidth = 0;
    p.frameHeight = 0;
    p.frame = 0;
    p.visible = GameUtil::True;
    p.tag = kInPlay;
    pieceTargets[i] = {info.x, info.y};
  }
  LayOutTray();
}

void PuzzleModel::LayOutTray() {
  double x = 5;
  double width = 0;
  for (GameUtil::Sprite& p : pieces) {
    if (p.tag != kInPlay) continue;
    p.x = x + width + 5;
    p.y = kTrayTop;
    x = p.x;
    width = p.width;
  }
}

std::int32_t PuzzleModel::PieceAt(int x, int y) const {
  std::int32_t found = -1;
  for (std::int32_t s = 0; s < kSlotCount; ++s) {
    const GameUtil::Sprite& p = pieces[s];
    if (p.tag == kInPlay && p.x < x && x < p.x + p.width && p.y < y && y < p.y + p.height) {
      found = s;
    }
  }
  return found;
}

std::optional<DropResult> PuzzleModel::Click(int x, int y) {
  std::optional<DropResult> result;
  if (Valid(selectedPiece)) {
    result = DropPiece();
  } else if (y > 400) {
    const std::int32_t s = PieceAt(x, y);
    if (s >= 0) selectedPiece = s;
  }
  puzzleDone = AllPlaced();
  return result;
}

void PuzzleModel::Carry(double x, double y) {
  if (!Valid(selectedPiece)) return;
  GameUtil::Sprite& p = pieces[selectedPiece];
  p.x = x - p.width / 2.0;
  p.y = y - p.height / 2.0;
}

DropResult PuzzleModel::DropPiece() {
  if (!Valid(selectedPiece)) return DropResult::Wrong;
  GameUtil::Sprite& p = pieces[selectedPiece];
  const GameUtil::Point& place = pieceTargets[selectedPiece];
  const double dx = std::fabs(p.x - kTargetLeft - place.X);
  const double dy = std::fabs(p.y - place.Y);
  if (dx < snapDistance && dy < snapDistance) {
    p.tag = kOutOfPlay;
    p.x = place.X + kTargetLeft;
    p.y = place.Y;
    selectedPiece = -1;
    highlightedPiece = -1;
    placing = false;
    return DropResult::Placed;
  }
  if (p.y + p.height / 2.0 > kPictureSize) {
    selectedPiece = -1;
    highlightedPiece = -1;
    placing = false;
    LayOutTray();
    return DropResult::BackToTray;
  }
  return DropResult::Wrong;
}

bool PuzzleModel::AllPlaced() const {
  return std::none_of(pieces.begin(), pieces.end(),
                      [](const GameUtil::Sprite& p) { return p.tag == kInPlay; });
}

bool PuzzleModel::StepHighlight() {
  std::int32_t h = highlightedPiece + 1;
  if (h >= kSlotCount || h < 0) h = 0;
  while (h < kSlotCount && pieces[h].tag != kInPlay) ++h;
  highlightedPiece = h < kSlotCount ? h : -1;
  return highlightedPiece >= 0;
}

std::int32_t PuzzleModel::NextPlace() const {
  std::int32_t p = std::clamp<std::int32_t>(candidatePlace, 0, kSlotCount);
  while (p < kSlotCount && pieces[p].visible != GameUtil::True) ++p;
  return p < kSlotCount ? p : 0;
}

void PuzzleModel::PutOnPlace(std::int32_t slot, std::int32_t place) {
  pieces[slot].x = pieceTargets[place].X + kTargetLeft;
  pieces[slot].y = pieceTargets[place].Y;
}

void PuzzleModel::LiftHighlighted(float random) {
  if (!Valid(highlightedPiece)) return;
  // A piece the mouse still carries goes back into the row rather than being left hanging
  // where the pointer cannot pick it up again.
  if (Valid(selectedPiece) && selectedPiece != highlightedPiece) LayOutTray();
  selectedPiece = highlightedPiece;
  PutOnPlace(selectedPiece, NextPlace());
  placing = true;
  candidatePlace = std::clamp<std::int32_t>(
      static_cast<std::int32_t>(GameUtil::FloorInt(random * 8.0)), 0, kSlotCount - 1);
}

void PuzzleModel::MoveToNextPlace() {
  if (!Valid(selectedPiece)) return;
  const std::int32_t p = NextPlace();
  PutOnPlace(selectedPiece, p);
  candidatePlace = (p + 1) % kSlotCount;
}

GameUtil::Point PuzzleModel::CarriedPosition() const {
  if (!Valid(selectedPiece)) return {};
  const GameUtil::Sprite& p = pieces[selectedPiece];
  return {static_cast<std::int32_t>(GameUtil::RoundHalfEven(p.x)),
          static_cast<std::int32_t>(GameUtil::RoundHalfEven(p.y))};
}

}  // namespace picturepuzzle
