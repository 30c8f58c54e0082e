// Which screen a held key belongs to. The keyboard repeats a held key's key-down (and its
// character) until the key comes up; those repeats belong to the form that saw the key go down.
// A form that came to the front meanwhile (the menu after Escape left a game, the game after
// Escape closed its options dialog, the game that Enter started from the menu) must not take
// them for presses of its own.
#pragma once
#include <map>

namespace platform {

class Form;

class KeyRouting {
 public:
  // A key-down with `front` in front: false when it repeats a key held since another form was
  // in front, and is not to be handled.
  bool Down(int key, const Form* front);
  // Whether the character event that follows the last key-down is to be handled.
  bool PressFollows() const { return lastDownHandled_; }
  void Up(int key);
  // The form is gone: its held keys belong to nobody until they come up.
  void Forget(const Form* form);

 private:
  std::map<int, const Form*> held_;
  bool lastDownHandled_ = true;
};

}  // namespace platform
