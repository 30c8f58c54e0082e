// Input as the forms receive it: pointer positions in 800 x 600 canvas pixels, the program's key
// codes.
#pragma once
#include <optional>
#include <string_view>

namespace platform {

namespace Keys {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kDelete = 46;
constexpr int kF1 = 112;
}  // namespace Keys

namespace Buttons {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace Buttons

struct InputEvent {
  enum class Kind {
    MouseMove,
    MouseDown,
    MouseUp,
    Click,
    DblClick,
    KeyDown,
    KeyUp,
    KeyPress,
    Quit
  };
  Kind kind = Kind::MouseMove;
  int x = 0;  // canvas pixels (pointer events)
  int y = 0;
  int button = 0;   // the button that changed (down/up), Buttons::*
  int buttons = 0;  // buttons held (move)
  int key = 0;      // key code (down/up) or character (press)
  int shift = 0;    // 1 shift, 2 control, 4 alt
};

// Key names of replay scripts: Escape, Enter, Space, Backspace, Tab, Left, Right, Up, Down, F1,
// A-Z, 0-9. Nothing for an unknown name.
std::optional<int> KeyCodeFromName(std::string_view name);

// The character a key press gives, where it has one (Enter 13, Space 32, a-z, 0-9 ...).
std::optional<int> KeyCharacter(int keyCode, bool shifted);

}  // namespace platform
