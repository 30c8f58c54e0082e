// The Picture puzzle's rules that need no window: the pieces' slots and places, the tray row,
// picking up, carrying and dropping, and the keyboard's framing and offered places.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "games/picturepuzzle/puzzle_scenes.h"
#include "gameutil/gameutil.h"

namespace picturepuzzle {

// The screen: the complete picture at (0, 0), the picture with the holes at (405, 0), both
// 395 x 395; the tray below them.
constexpr int kPictureSize = 395;
constexpr int kTargetLeft = 405;
constexpr int kTrayTop = 420;

// Snap distances of the three skills, in pixels.
constexpr std::int32_t kSnapEasy = 75;
constexpr std::int32_t kSnapMedium = 50;
constexpr std::int32_t kSnapHard = 25;

// Slot tags.
constexpr std::int32_t kInPlay = 0;
constexpr std::int32_t kOutOfPlay = 1;  // placed, or not used by the scene

enum class DropResult { Placed, BackToTray, Wrong };

struct PuzzleModel {
  std::array<GameUtil::Sprite, kSlotCount> pieces{};
  std::array<GameUtil::Point, kSlotCount> pieceTargets{};  // places in the right-hand picture
  std::int32_t selectedPiece = -1;                         // carried piece
  std::int32_t highlightedPiece = -1;                      // framed by the keyboard
  bool placing = false;                                    // the keyboard carries a piece
  std::int32_t candidatePlace = 0;                         // next place the keyboard offers
  bool puzzleDone = false;
  std::int32_t snapDistance = kSnapMedium;

  // Every slot out of play and invisible, nothing carried or framed, the puzzle not done.
  void ClearSlots();
  // Puts the pieces of scene `index` (0..12) into their slots with their sizes and places, in
  // play and visible, and lays out the tray. Any other index leaves the slots empty.
  void StartScene(int index);
  // The pieces in play in a row from (10, 420), 5 pixels apart, in slot order.
  void LayOutTray();

  // The highest slot in play whose rectangle holds the point strictly; -1 for none.
  std::int32_t PieceAt(int x, int y) const;
  // A click with the mouse (or Enter) at (x, y): drops the carried piece where it hangs, or
  // picks up the piece in the tray under the point. Returns the drop's result when there was
  // one; updates `puzzleDone`.
  std::optional<DropResult> Click(int x, int y);
  // The carried piece hangs centred under the pointer.
  void Carry(double x, double y);
  // Drops the carried piece where it hangs: into its place when it lies nearer than the snap
  // distance on both axes, back into a rebuilt tray row when its centre is below the pictures,
  // else it stays carried.
  DropResult DropPiece();
  bool AllPlaced() const;

  // Space, not placing: frames the next piece in play after the framed one. False (and nothing
  // framed) when the search runs past the last slot.
  bool StepHighlight();
  // The next place the keyboard offers: from `candidatePlace` up to the first slot holding a
  // piece of the scene; slot 0 past the last.
  std::int32_t NextPlace() const;
  // Enter on the framed piece: lifts it onto the next place and starts placing; `random` in
  // [0, 1) picks the point of the ring where Space goes on.
  void LiftHighlighted(float random);
  // Space while placing: the carried piece moves on to the next place.
  void MoveToNextPlace();

  // The carried piece as a whole-pixel point, for Enter's drop.
  GameUtil::Point CarriedPosition() const;

 private:
  void PutOnPlace(std::int32_t slot, std::int32_t place);
};

}  // namespace picturepuzzle
