#include "shell/drag_gesture.h"

#include <gtest/gtest.h>

#include <vector>

namespace shell {
namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

// One whole press: down at (100, 100), picking `picture` up unless it is -1, moves, release at
// the last point. Returns the pictures dropped and whether the click after it was claimed.
struct Outcome {
  std::vector<int> dropped;
  bool clickClaimed = false;
};
Outcome Gesture(DragGesture& g, int picture, const std::vector<std::pair<double, double>>& path) {
  Outcome out;
  g.Press(kLeft, 100, 100);
  if (picture >= 0) g.PickedUp(picture);
  for (const auto& [x, y] : path) g.Move(x, y);
  const auto [ux, uy] = path.empty() ? std::pair<double, double>{100, 100} : path.back();
  g.Release(kLeft, ux, uy, [&](int p) { out.dropped.push_back(p); });
  out.clickClaimed = g.ClaimClick();
  return out;
}

TEST(DragGesture, APickUpThatMovesFartherThanATapDropsAndItsClickIsIgnored) {
  DragGesture g;
  // Eight pixels is still a tap: the picture stays on the pointer, the click is still ignored.
  Outcome o = Gesture(g, 3, {{104, 100}, {108, 100}});
  EXPECT_TRUE(o.dropped.empty());
  EXPECT_TRUE(o.clickClaimed);
  o = Gesture(g, 3, {{100, 92}});
  EXPECT_TRUE(o.dropped.empty());
  // Nine, or a diagonal of 6 and 6 (8.5), is a drag.
  o = Gesture(g, 3, {{109, 100}});
  EXPECT_EQ(o.dropped, std::vector<int>{3});
  EXPECT_TRUE(o.clickClaimed);
  EXPECT_EQ(Gesture(g, 0, {{94, 106}}).dropped, std::vector<int>{0});
  // Once farther it stays a drag, also when the pointer comes back to where it began.
  EXPECT_EQ(Gesture(g, 5, {{150, 100}, {100, 100}}).dropped, std::vector<int>{5});
  // Without a move event in between, the release point itself counts.
  g.Press(kLeft, 10, 10);
  g.PickedUp(2);
  EXPECT_FALSE(g.ClaimClick());  // not before the release
  int dropped = -1;
  g.Release(kLeft, 40, 10, [&](int p) { dropped = p; });
  EXPECT_EQ(dropped, 2);
}

TEST(DragGesture, APressThatPickedNothingLeavesItsClickToTheGame) {
  DragGesture g;
  Outcome o = Gesture(g, -1, {{300, 300}});
  EXPECT_TRUE(o.dropped.empty());
  EXPECT_FALSE(o.clickClaimed);
  // The claim is used up by one click.
  g.Press(kLeft, 0, 0);
  g.PickedUp(1);
  g.Release(kLeft, 0, 0, nullptr);
  EXPECT_TRUE(g.ClaimClick());
  EXPECT_FALSE(g.ClaimClick());
  // A claim whose click never came (the form went away) does not eat the next press's click,
  // nor the click of a release that belongs to no press.
  g.Press(kLeft, 0, 0);
  g.PickedUp(1);
  g.Release(kLeft, 0, 0, nullptr);
  g.Press(kLeft, 0, 0);
  g.Release(kLeft, 0, 0, nullptr);
  EXPECT_FALSE(g.ClaimClick());
  g.Press(kLeft, 0, 0);
  g.PickedUp(1);
  g.Release(kLeft, 0, 0, nullptr);
  g.Release(kLeft, 0, 0, nullptr);
  EXPECT_FALSE(g.ClaimClick());
}

TEST(DragGesture, ACancelledPickUpDropsNothingButItsClickIsStillIgnored) {
  DragGesture g;
  g.Press(kLeft, 100, 100);
  g.PickedUp(4);
  g.Move(200, 200);
  EXPECT_TRUE(g.Dragging());
  g.Cancel();
  EXPECT_FALSE(g.Dragging());
  bool dropped = false;
  g.Release(kLeft, 200, 200, [&](int) { dropped = true; });
  EXPECT_FALSE(dropped);
  EXPECT_TRUE(g.ClaimClick());
}

TEST(DragGesture, OnlyThePressesOwnButtonEndsItAndANewPressStartsAfresh) {
  DragGesture g;
  std::vector<int> dropped;
  auto drop = [&](int p) { dropped.push_back(p); };
  g.Press(kLeft, 100, 100);
  g.PickedUp(1);
  g.Move(200, 100);
  g.Release(kRight, 200, 100, drop);
  EXPECT_TRUE(dropped.empty());
  EXPECT_FALSE(g.ClaimClick());
  EXPECT_TRUE(g.Dragging());
  g.Release(kLeft, 200, 100, drop);
  EXPECT_EQ(dropped, std::vector<int>{1});
  // A release that never came (a dialog took it): the next press begins anew and picks nothing.
  dropped.clear();
  g.Press(kLeft, 100, 100);
  g.PickedUp(1);
  g.Move(200, 100);
  g.Press(kRight, 200, 100);
  EXPECT_FALSE(g.Dragging());
  g.Move(300, 100);
  g.Release(kRight, 300, 100, drop);
  EXPECT_TRUE(dropped.empty());
  EXPECT_FALSE(g.ClaimClick());
}

TEST(DragGesture, ADropThatRunsWholePressesOfItsOwnStillHasItsClickIgnored) {
  // The drop plays a solo or moves the train and lets input through meanwhile: a child's click
  // then silences the sound. That click is the game's; the late click of the drag is not.
  DragGesture g;
  std::vector<bool> claims;
  g.Press(kLeft, 100, 100);
  g.PickedUp(0);
  g.Move(300, 100);
  g.Release(kLeft, 300, 100, [&](int) {
    g.Press(kLeft, 50, 50);
    g.Release(kLeft, 50, 50, [](int) { ADD_FAILURE() << "the inner press picked nothing"; });
    claims.push_back(g.ClaimClick());
  });
  claims.push_back(g.ClaimClick());
  EXPECT_EQ(claims, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace shell
