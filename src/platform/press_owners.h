// Which screen a press belongs to: the form that was in front when a key or the mouse button
// went down. The keyboard repeats a held key's key-down (and its character) until the key comes
// up, and a mouse button comes up wherever the pointer is. A form that came to the front
// meanwhile (the menu after Escape left a game, the game after Escape closed its options dialog,
// the game that Enter started from the menu) must not take those for presses of its own.
#pragma once
#include <map>

namespace platform {

class Form;

class PressOwners {
 public:
  // A key-down with `front` in front: false when it repeats a key held since another form was
  // in front, and is not to be handled.
  bool KeyDown(int key, const Form* front);
  // Whether the character event that follows the last key-down is to be handled: only by the
  // form that key went down on (Escape that closed a dialog gives the form behind no character).
  bool PressFollows(const Form* front) const { return lastDown_ && lastDown_ == front; }
  void KeyUp(int key);

  void ButtonDown(const Form* front) { buttonOwner_ = front; }
  // The button came up with `front` in front: whether it went down there too.
  bool ButtonUpOnOwner(const Form* front) {
    const bool same = buttonOwner_ == front;
    buttonOwner_ = nullptr;
    return same && front != nullptr;
  }

  // The form is gone: what it held belongs to nobody until it comes up.
  void Forget(const Form* form);

 private:
  std::map<int, const Form*> keys_;
  const Form* lastDown_ = nullptr;  // the form that handled the last key-down
  const Form* buttonOwner_ = nullptr;
};

}  // namespace platform
