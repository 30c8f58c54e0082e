#include "shell/drag_gesture.h"

namespace shell {

void DragGesture::Press(int button, double x, double y) {
  pressed_ = true;
  button_ = button;
  startX_ = x;
  startY_ = y;
  picture_ = -1;
  pickedUp_ = false;
  far_ = false;
  clickClaimed_ = false;
}

void DragGesture::PickedUp(int picture) {
  if (!pressed_ || picture < 0) return;
  picture_ = picture;
  pickedUp_ = true;
}

void DragGesture::Move(double x, double y) {
  if (!pressed_ || far_) return;
  const double dx = x - startX_;
  const double dy = y - startY_;
  far_ = dx * dx + dy * dy > kTapDistance * kTapDistance;
}

void DragGesture::Cancel() {
  picture_ = -1;
}

void DragGesture::Release(int button, double x, double y,
                          const std::function<void(int picture)>& drop) {
  if (!pressed_ || button != button_) {
    clickClaimed_ = false;  // a release of no press of ours: its click is an ordinary one
    return;
  }
  Move(x, y);
  const int picture = far_ ? picture_ : -1;
  const bool claim = pickedUp_;
  // The press is over before the drop runs: a press inside the drop's loop starts afresh.
  pressed_ = false;
  picture_ = -1;
  pickedUp_ = false;
  far_ = false;
  if (picture >= 0 && drop) drop(picture);
  clickClaimed_ = claim;
}

bool DragGesture::ClaimClick() {
  const bool claimed = clickClaimed_;
  clickClaimed_ = false;
  return claimed;
}

}  // namespace shell
