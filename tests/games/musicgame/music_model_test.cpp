// The Music game's rules without a window: the row below the stage, the stage area, the stage
// places the keyboard uses, the key steps and the choice of each round's song.
#include "games/musicgame/music_model.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace musicgame {
namespace {

std::vector<double> RowXs(const BandModel& band) {
  std::vector<double> xs;
  for (const auto& m : band.musicians) xs.push_back(m.tag == 0 ? m.x : -1);
  return xs;
}

// Takes a member from the row with the mouse and drops it with its top-left corner at (x, y).
Drop DropAt(BandModel& band, int member, int x, int y) {
  band.Hold(member);
  band.MoveHeld(x + 80, y + 80);
  return band.DropHeld();
}

TEST(MusicModel, TheRowClosesUpWhenMembersLeaveAndOpensWhenTheyReturn) {
  BandModel band;
  EXPECT_EQ(RowXs(band), (std::vector<double>{50, 240, 430, 620}));
  for (const auto& m : band.musicians) EXPECT_EQ(m.y, 435);

  EXPECT_EQ(DropAt(band, 1, 300, 100), Drop::OnStage);
  EXPECT_EQ(band.musicians[1].x, 300);  // stays where it was put
  band.PlaceOffStage();
  EXPECT_EQ(RowXs(band), (std::vector<double>{50, -1, 240, 430}));

  EXPECT_EQ(DropAt(band, 0, 100, 50), Drop::OnStage);
  band.PlaceOffStage();
  EXPECT_EQ(RowXs(band), (std::vector<double>{-1, -1, 50, 240}));

  // Dropped below the stage, the guitarist goes back to the row; the row keeps index order.
  EXPECT_EQ(DropAt(band, 3, 200, 300), Drop::BackToRow);
  EXPECT_EQ(RowXs(band), (std::vector<double>{-1, -1, 50, 240}));
  EXPECT_EQ(band.musicians[3].y, 435);

  band.Reset();
  EXPECT_EQ(RowXs(band), (std::vector<double>{50, 240, 430, 620}));
}

TEST(MusicModel, TheStageAreaIncludesItsEdges) {
  struct Case {
    int x, y;
    bool onStage;
  };
  const Case cases[] = {{64, 100, false}, {65, 100, true},  {580, 100, true}, {581, 100, false},
                        {300, 29, false}, {300, 30, true},  {300, 170, true}, {300, 171, false},
                        {65, 30, true},   {580, 170, true}, {64, 29, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(BandModel::InStageArea(c.x, c.y), c.onStage) << c.x << "," << c.y;
    BandModel band;
    const Drop drop = DropAt(band, 2, c.x, c.y);
    EXPECT_EQ(drop, c.onStage ? Drop::OnStage : Drop::BackToRow) << c.x << "," << c.y;
    EXPECT_EQ(band.musicians[2].tag, c.onStage ? 1 : 0);
    EXPECT_EQ(band.heldMusician, -1);
  }
}

TEST(MusicModel, ClicksFindTheMembersWhoseFrameHoldsThePointEdgesIncluded) {
  BandModel band;
  EXPECT_EQ(band.MembersAt(50, 435), std::vector<int>{0});
  EXPECT_EQ(band.MembersAt(210, 595), std::vector<int>{0});
  EXPECT_TRUE(band.MembersAt(225, 500).empty());  // the gap between two members
  EXPECT_EQ(band.MembersAt(240, 500), std::vector<int>{1});
  EXPECT_TRUE(band.MembersAt(100, 434).empty());
}

TEST(MusicModel, TheKeysPutTheFourthMemberOnPlaceZeroAfterThreeWerePlacedByMouse) {
  BandModel band;
  DropAt(band, 0, 200, 40);
  DropAt(band, 1, 300, 40);
  DropAt(band, 3, 400, 40);
  EXPECT_FALSE(band.AllOnStage());
  band.PlaceOffStage();
  // Space frames the bassist, the only member below the stage, whatever came before.
  EXPECT_EQ(band.StepSelection(), 2);
  EXPECT_EQ(band.StepSelection(), -1);  // round past the end: the drummer, on the stage
  EXPECT_EQ(band.StepSelection(), 2);
  ASSERT_TRUE(band.TakeSelection());
  EXPECT_TRUE(band.placingMode);
  EXPECT_EQ(band.heldMusician, 2);
  EXPECT_EQ(band.stagePlaceIndex, 0);
  EXPECT_EQ(band.musicians[2].x, 140);
  EXPECT_EQ(band.musicians[2].y, 90);
  band.ConfirmPlace();
  EXPECT_FALSE(band.stagePlaces[0].Free());
  EXPECT_EQ(band.DropHeld(), Drop::FullBand);  // the fourth member completes the band
  EXPECT_TRUE(band.AllOnStage());
  EXPECT_EQ(band.musicians[2].x, 140);
}

TEST(MusicModel, SpaceWalksThroughTheFreePlacesOnlyAndRoundAgain) {
  BandModel band;
  // The first member taken with the keys goes to place 0; Space then visits 1, 2, 3, 0.
  band.StepSelection();
  ASSERT_TRUE(band.TakeSelection());
  std::vector<int> visited;
  for (int i = 0; i < 4; ++i) {
    band.StepPlace();
    visited.push_back(band.stagePlaceIndex);
  }
  EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 0}));
  band.StepPlace();  // place 1, at (305, 40)
  band.ConfirmPlace();
  EXPECT_EQ(band.DropHeld(), Drop::OnStage);
  EXPECT_EQ(band.musicians[0].x, 305);
  EXPECT_EQ(band.musicians[0].y, 40);

  // The next member starts on place 0 and skips the used place 1.
  EXPECT_EQ(band.StepSelection(), 1);
  ASSERT_TRUE(band.TakeSelection());
  EXPECT_EQ(band.stagePlaceIndex, 0);
  visited.clear();
  for (int i = 0; i < 3; ++i) {
    band.StepPlace();
    visited.push_back(band.stagePlaceIndex);
  }
  EXPECT_EQ(visited, (std::vector<int>{2, 3, 0}));
}

TEST(MusicModel, SpaceFramesNoMemberOnTheStageAndEnterTakesOnlyAFramedOne) {
  BandModel band;
  for (int i = 0; i < 4; ++i) DropAt(band, i, 100 + 100 * i, 40);
  // With every member on the stage no step frames anyone, and Enter takes no one.
  for (int i = 0; i < 6; ++i) EXPECT_EQ(band.StepSelection(), -1);
  EXPECT_FALSE(band.TakeSelection());
  EXPECT_FALSE(band.placingMode);

  // Only the synth below the stage: from it the step skips bass and guitar, passes the end and
  // lands on the drummer without skipping him: no frame, and Enter does not take him off the
  // stage.
  BandModel three;
  DropAt(three, 0, 100, 40);
  DropAt(three, 2, 300, 40);
  DropAt(three, 3, 400, 40);
  EXPECT_EQ(three.StepSelection(), 1);
  EXPECT_EQ(three.StepSelection(), -1);
  EXPECT_EQ(three.keySelection, 0);
  EXPECT_FALSE(three.TakeSelection());
  EXPECT_EQ(three.heldMusician, -1);
  EXPECT_EQ(three.StepSelection(), 1);
}

TEST(MusicModel, EachRoundPicksASongOtherThanTheLastOne) {
  // A generator that answers with each allowed number in turn.
  int next = 0;
  auto cycle = [&](int lo, int hi) { return lo + (next++ % (hi - lo + 1)); };
  std::set<int> first;
  for (int i = 0; i < 3; ++i) first.insert(PickSong(-1, 3, cycle));
  EXPECT_EQ(first, (std::set<int>{0, 1, 2}));
  for (int previous = 0; previous < 3; ++previous) {
    std::set<int> picked;
    for (int i = 0; i < 4; ++i) {
      const int song = PickSong(previous, 3, cycle);
      EXPECT_NE(song, previous);
      picked.insert(song);
    }
    EXPECT_EQ(picked.size(), 2u) << "both other songs come up after " << previous;
  }
  EXPECT_EQ(PickSong(0, 1, cycle), 0);
}

}  // namespace
}  // namespace musicgame
