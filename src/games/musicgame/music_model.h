// The Music game's rules without a window: the row of band members below the stage, the stage
// area a member must be dropped in, the four stage places the keyboard uses and the key steps
// between members and places, and which song a round plays.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "gameutil/gameutil.h"

namespace musicgame {

constexpr int kMembers = 4;  // drummer, synth, bass, guitar
constexpr int kSongs = 3;    // Song0.wav .. Song2.wav with their solos and samples
constexpr int kFrameSize = 160;
constexpr int kRowY = 435;

// A stage place of the keyboard: free while its x is above 0.
struct StagePlace {
  std::int32_t occupant = -1;
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool Free() const { return x > 0; }
};

// What a drop did with the member.
enum class Drop { BackToRow, OnStage, FullBand };

class BandModel {
 public:
  BandModel();

  // A new round: every member off the stage in the row, the places free, nothing held or chosen.
  void Reset();
  // Lines up the members that are not on the stage: from x = 50, 30 pixels apart, in index order.
  void PlaceOffStage();

  // A member's top-left corner lies in the stage area (edges included).
  static bool InStageArea(double x, double y);
  // The members whose frame contains the point, edges included, in index order.
  std::vector<int> MembersAt(int x, int y) const;
  bool OnStage(int member) const { return musicians[member].tag == 1; }
  bool AllOnStage() const;

  // The mouse takes a member; while held it hangs centred on the pointer.
  void Hold(int member) { heldMusician = member; }
  void MoveHeld(int pointerX, int pointerY);
  // Puts the held member down where it is: on the stage inside the stage area, else back in the
  // row. Nothing is held or chosen afterwards. Call only while a member is held.
  Drop DropHeld();

  // Space while no member is being placed: the next member, skipping those on the stage up to
  // index 3 and then starting at 0 again without skipping. Returns the member to frame, or -1
  // when the chosen member stands on the stage (no frame).
  int StepSelection();
  // Enter while no member is being placed: the framed member goes to the first free stage place.
  // False when no member below the stage is framed.
  bool TakeSelection();
  // Space while placing: the held member moves on to the next free stage place (round the four).
  void StepPlace();
  // Enter while placing: the place is used from now on; then DropHeld puts the member there.
  void ConfirmPlace();

  std::array<GameUtil::Sprite, kMembers> musicians;
  std::array<StagePlace, kMembers> stagePlaces;
  int heldMusician = -1;
  int keySelection = -1;
  bool placingMode = false;
  std::int32_t stagePlaceIndex = 0;

 private:
  // The first free place from `from` on, going round; -1 when none is free.
  int FreePlaceFrom(int from) const;
  void PutHeldAt(int place);
};

// The song of the next round: any of `count` songs but the one before (when there are several).
// `random(lo, hi)` gives a whole number lo..hi.
int PickSong(int previous, int count, const std::function<int(int lo, int hi)>& random);

}  // namespace musicgame
