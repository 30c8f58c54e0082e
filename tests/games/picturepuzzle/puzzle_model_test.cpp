// The Picture puzzle's rules without a window: the tray row, the slots of each scene, picking
// up and dropping with the snap distance, and the keyboard's framing and places.
#include "games/picturepuzzle/puzzle_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace picturepuzzle {
namespace {

constexpr int kHouse = 0, kCake = 3, kTruck = 7;

PuzzleModel Started(int scene) {
  PuzzleModel m;
  m.ClearSlots();
  m.StartScene(scene);
  return m;
}

std::vector<double> TrayXs(const PuzzleModel& m) {
  std::vector<double> xs;
  for (const auto& p : m.pieces) {
    if (p.tag == kInPlay) xs.push_back(p.x);
  }
  return xs;
}

// Carries `slot` (picked up from the tray) so that its top-left corner is at (x, y).
void CarryTo(PuzzleModel& m, int slot, double x, double y) {
  const auto& p = m.pieces[slot];
  ASSERT_FALSE(m.Click(static_cast<int>(p.x) + 1, static_cast<int>(p.y) + 1).has_value());
  ASSERT_EQ(m.selectedPiece, slot);
  m.Carry(x + p.width / 2.0, y + p.height / 2.0);
}

TEST(PuzzleTray, PiecesLieInARowFromTenWithFivePixelGaps) {
  // House: Stair 81, Door 56, BushLeft 88, BushRight 89, WindowLeft 49, WindowRight 49.
  PuzzleModel m = Started(kHouse);
  EXPECT_EQ(TrayXs(m), (std::vector<double>{10, 96, 157, 250, 344, 398}));
  for (const auto& p : m.pieces) {
    if (p.tag == kInPlay) {
      EXPECT_EQ(p.y, 420);
    }
  }
}

TEST(PuzzleScenes, EachSceneUsesItsSlotsAndLeavesTheRestOutOfPlay) {
  const int counts[kSceneCount] = {6, 6, 6, 5, 5, 6, 6, 7, 5, 5, 5, 5, 5};
  for (int scene = 0; scene < kSceneCount; ++scene) {
    const PuzzleModel m = Started(scene);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const bool used = slot < counts[scene];
      EXPECT_EQ(m.pieces[slot].tag, used ? kInPlay : kOutOfPlay) << scene << "/" << slot;
      EXPECT_EQ(m.pieces[slot].visible == GameUtil::True, used) << scene << "/" << slot;
    }
  }
  EXPECT_EQ(Started(kTruck).pieces[7].tag, kOutOfPlay);
  // The Garden's RedBush belongs slightly left of the picture.
  EXPECT_EQ(Started(12).pieceTargets[4].X, -2);
  // An index outside the scenes leaves every slot out of play.
  PuzzleModel none = Started(13);
  EXPECT_TRUE(none.AllPlaced());
}

TEST(PuzzleDrop, TheSnapDistanceIsAStrictBorderOnBothAxes) {
  struct Case {
    std::int32_t snap;
    double dx, dy;
    DropResult want;
  };
  const Case cases[] = {
      {kSnapMedium, 49, 0, DropResult::Placed},
      {kSnapMedium, 50, 0, DropResult::Wrong},
      {kSnapMedium, 0, 49, DropResult::Placed},
      {kSnapMedium, 0, 50, DropResult::Wrong},
      {kSnapMedium, -49, -49, DropResult::Placed},
      {kSnapMedium, 49.5, 0, DropResult::Placed},  // the real position, not rounded to 50
      {kSnapHard, 24, 24, DropResult::Placed},
      {kSnapHard, 25, 0, DropResult::Wrong},
      {kSnapHard, 30, 0, DropResult::Wrong},
      {kSnapEasy, 74, -74, DropResult::Placed},
      {kSnapEasy, 75, 0, DropResult::Wrong},
  };
  for (const Case& c : cases) {
    PuzzleModel m = Started(kHouse);
    m.snapDistance = c.snap;
    const int door = 1;  // place (172, 233)
    CarryTo(m, door, kTargetLeft + 172 + c.dx, 233 + c.dy);
    const auto result = m.Click(0, 0);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, c.want) << c.snap << " " << c.dx << "," << c.dy;
    if (c.want == DropResult::Placed) {
      EXPECT_EQ(m.pieces[door].tag, kOutOfPlay);
      EXPECT_EQ(m.pieces[door].x, kTargetLeft + 172);
      EXPECT_EQ(m.pieces[door].y, 233);
      EXPECT_EQ(m.selectedPiece, -1);
    } else {
      // A wrong drop keeps the piece under the pointer.
      EXPECT_EQ(m.selectedPiece, door);
      EXPECT_EQ(m.pieces[door].tag, kInPlay);
    }
  }
}

TEST(PuzzleDrop, BelowThePicturesThePieceGoesBackIntoARebuiltRow) {
  PuzzleModel m = Started(kHouse);
  // The stair is placed: its gap in the row stays while nothing goes back.
  CarryTo(m, 0, kTargetLeft + 161, 317);
  ASSERT_EQ(m.Click(0, 0), DropResult::Placed);
  EXPECT_EQ(TrayXs(m), (std::vector<double>{96, 157, 250, 344, 398}));

  // The door's centre just at the pictures' edge is not below them: a wrong drop.
  CarryTo(m, 1, 20, kPictureSize - 42);  // centre y = 395
  EXPECT_EQ(m.Click(0, 0), DropResult::Wrong);
  m.Carry(60, 396);  // centre below the pictures
  EXPECT_EQ(m.Click(0, 0), DropResult::BackToTray);
  EXPECT_EQ(m.selectedPiece, -1);
  EXPECT_EQ(TrayXs(m), (std::vector<double>{10, 71, 164, 258, 312}));
}

TEST(PuzzlePickUp, OnlyPiecesInTheTrayUnderThePointStrictly) {
  PuzzleModel m = Started(kHouse);
  // The door lies at (96, 420), 56 x 84.
  EXPECT_EQ(m.PieceAt(96, 450), -1);  // on its left edge
  EXPECT_EQ(m.PieceAt(97, 450), 1);
  EXPECT_EQ(m.PieceAt(151, 503), 1);
  EXPECT_EQ(m.PieceAt(152, 450), -1);  // on its right edge
  EXPECT_EQ(m.PieceAt(154, 450), -1);  // in the gap
  EXPECT_FALSE(m.Click(154, 450).has_value());
  EXPECT_EQ(m.selectedPiece, -1);

  // Where pieces overlap, the highest slot wins.
  m.pieces[3].x = 100;
  EXPECT_EQ(m.PieceAt(120, 440), 3);

  // Nothing carried: a click at y = 400 or above picks up nothing, even over a piece.
  m.pieces[2].y = 380;
  EXPECT_EQ(m.PieceAt(200, 400), 2);
  m.Click(200, 400);
  EXPECT_EQ(m.selectedPiece, -1);
  m.Click(200, 401);
  EXPECT_EQ(m.selectedPiece, 2);
}

TEST(PuzzleKeyboard, SpacePastTheLastPieceRemovesTheFrameAndStartsOver) {
  PuzzleModel m = Started(kCake);
  CarryTo(m, 2, kTargetLeft + 42, 8);  // LeftLights placed
  ASSERT_EQ(m.Click(0, 0), DropResult::Placed);
  std::vector<int> framed;
  for (int i = 0; i < 6; ++i) {
    m.StepHighlight();
    framed.push_back(m.highlightedPiece);
  }
  EXPECT_EQ(framed, (std::vector<int>{0, 1, 3, 4, -1, 0}));
}

TEST(PuzzleKeyboard, TheNextPlaceRunsOverTheScenesPlacesOnly) {
  PuzzleModel m = Started(kCake);  // places in slots 0..4
  const int want[kSlotCount] = {0, 1, 2, 3, 4, 0, 0, 0};
  for (int c = 0; c < kSlotCount; ++c) {
    m.candidatePlace = c;
    EXPECT_EQ(m.NextPlace(), want[c]) << c;
  }
  // A placed piece's place is still offered.
  CarryTo(m, 1, kTargetLeft + 131, 172);
  ASSERT_EQ(m.Click(0, 0), DropResult::Placed);
  m.candidatePlace = 1;
  EXPECT_EQ(m.NextPlace(), 1);
}

TEST(PuzzleKeyboard, EnterLiftsTheFramedPieceAndSpaceCarriesItRoundThePlaces) {
  PuzzleModel m = Started(kHouse);
  m.StepHighlight();
  m.StepHighlight();  // the door
  m.candidatePlace = 4;
  m.LiftHighlighted(0.99f);
  EXPECT_TRUE(m.placing);
  EXPECT_EQ(m.selectedPiece, 1);
  EXPECT_EQ(m.pieces[1].x, kTargetLeft + 104);  // on WindowLeft's place
  EXPECT_EQ(m.pieces[1].y, 233);
  EXPECT_EQ(m.candidatePlace, 7);  // Int(0.99 * 8)

  std::vector<int> places;
  for (int i = 0; i < 3; ++i) {
    m.MoveToNextPlace();
    places.push_back(static_cast<int>(m.pieces[1].x) - kTargetLeft);
  }
  // From 7 the ring wraps to the stair (161), then the door (172), then a bush (75).
  EXPECT_EQ(places, (std::vector<int>{161, 172, 75}));
  EXPECT_EQ(m.candidatePlace, 3);

  // Enter drops it where it stands.
  for (int i = 0; i < 5; ++i) m.MoveToNextPlace();  // ..., 240, 104, 245, 161, 172
  const GameUtil::Point at = m.CarriedPosition();
  EXPECT_EQ(m.Click(at.X, at.Y), DropResult::Placed);
  EXPECT_FALSE(m.placing);
  EXPECT_EQ(m.highlightedPiece, -1);
}

TEST(PuzzleKeyboard, LiftingWhileTheMouseCarriesAnotherPieceSendsThatOneBack) {
  PuzzleModel m = Started(kHouse);
  CarryTo(m, 3, 200, 100);  // a bush hanging over the left picture
  m.StepHighlight();        // the stair
  m.LiftHighlighted(0.0f);
  EXPECT_EQ(m.selectedPiece, 0);
  EXPECT_EQ(m.pieces[3].x, 250);  // back in its place in the row
  EXPECT_EQ(m.pieces[3].y, 420);
}

}  // namespace
}  // namespace picturepuzzle
