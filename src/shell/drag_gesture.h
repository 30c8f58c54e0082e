// Press, drag and release for the games that carry a picture on the pointer. Their own rule is
// click to pick up, click to drop; children also press on a picture, drag it and let go (on a
// touchscreen that is the only way). One press is followed here: where it began, whether it
// picked a picture up, and whether it went farther than a tap. The game picks up on the press,
// drops on the release of a drag, and ignores the click the runtime fires after such a release.
#pragma once
#include <functional>

namespace shell {

class DragGesture {
 public:
  // A press that ends within this many canvas pixels of where it began is a tap: the picture
  // stays on the pointer as after a click.
  static constexpr double kTapDistance = 8;

  // A button went down at (x, y). A new press begins; what an earlier one left is forgotten
  // (its release may never have come, say when a dialog took it).
  void Press(int button, double x, double y);
  // This press picked `picture` (the game's own number for it, 0 or more) up.
  void PickedUp(int picture);
  // The pointer moved to (x, y).
  void Move(double x, double y);
  // The picture left the pointer another way (a key, a new round, the end of the game): the
  // release drops nothing, but its click is still ignored.
  void Cancel();
  // The button came up at (x, y). When this press picked a picture up and went farther than a
  // tap, `drop(picture)` runs. The click that follows is claimed when the press picked
  // something up; the claim is made once `drop` has returned, since the drop may run a loop
  // that handles whole presses and clicks of its own.
  void Release(int button, double x, double y, const std::function<void(int picture)>& drop);
  // The click the runtime fires after a release: true when its press already did the work and
  // the click must be ignored. Consumes the claim.
  bool ClaimClick();

  // A press is under way that picked `picture` up and has gone farther than a tap.
  bool Dragging() const { return pressed_ && picture_ >= 0 && far_; }

 private:
  bool pressed_ = false;
  int button_ = 0;
  double startX_ = 0;
  double startY_ = 0;
  int picture_ = -1;       // picked up by this press and still to be dropped by it; -1 = none
  bool pickedUp_ = false;  // this press picked something up (also after Cancel)
  bool far_ = false;       // the pointer went farther than a tap
  bool clickClaimed_ = false;
};

}  // namespace shell
