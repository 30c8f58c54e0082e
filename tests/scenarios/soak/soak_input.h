// The pieces the soak generator writes scripts with: a random generator whose numbers are the
// same on every platform, a writer that keeps the script's virtual time and the mouse button,
// and what the soak knows about each game's screen.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace soak {

// SplitMix64: the standard library's distributions differ between implementations, this does
// not, so a seed gives the same script everywhere.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // lo..hi inclusive.
  int Range(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percent) { return Range(0, 99) < percent; }
  // One of the items.
  template <class T>
  const T& Any(const std::vector<T>& items) {
    return items[Range(0, static_cast<int>(items.size()) - 1)];
  }
  // An index drawn by weight.
  int Pick(const std::vector<int>& weights) {
    int total = 0;
    for (int w : weights) total += w;
    int r = Range(0, std::max(total, 1) - 1);
    for (std::size_t i = 0; i < weights.size(); ++i) {
      if (r < weights[i]) return static_cast<int>(i);
      r -= weights[i];
    }
    return 0;
  }

 private:
  std::uint64_t state_;
};

struct Point {
  int x = 0;
  int y = 0;
};

// A rectangle of the screen, [x, x + w) x [y, y + h).
struct Area {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  bool Contains(Point p) const { return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h; }
  Point Centre() const { return {x + w / 2, y + h / 2}; }
};

class Writer {
 public:
  std::int64_t Now() const { return now_; }
  const std::string& Text() const { return text_; }

  void Wait(std::int64_t ms) {
    if (ms <= 0) return;
    Line("wait " + std::to_string(ms));
    now_ += ms;
  }
  void Comment(const std::string& text) { Line("# " + text); }
  void Move(Point p) { Line("move " + Xy(p)); }
  void Click(Point p) { Line("click " + Xy(p)); }
  void DblClick(Point p) { Line("dblclick " + Xy(p)); }
  void Down(const char* button = "left") {
    Line(std::string("down ") + button);
    heldButton_ = button;
  }
  void Up() {
    if (heldButton_.empty()) return;
    Line("up " + heldButton_);
    heldButton_.clear();
  }
  void Key(const std::string& name) { Line("key " + name); }
  void KeyDown(const std::string& name) { Line("keydown " + name); }
  void KeyUp(const std::string& name) { Line("keyup " + name); }

 private:
  static std::string Xy(Point p) {
    return std::to_string(std::clamp(p.x, 0, 799)) + " " + std::to_string(std::clamp(p.y, 0, 599));
  }
  void Line(const std::string& line) { text_ += line + '\n'; }

  std::string text_;
  std::int64_t now_ = 0;
  std::string heldButton_;
};

// The kinds of input the generator makes; a game's weights say how often each comes.
enum Action {
  kTapKey,      // one of the game's keys, pressed and let go
  kHoldKey,     // one of the game's keys held down for a while
  kAnyKey,      // any key name at all
  kClick,       // a click where the game has something to click
  kPlace,       // a click on something, then a click where it could go
  kDrag,        // press, move across, let go
  kScribble,    // a long wandering drag
  kDblClick,    // a double click
  kHover,       // the pointer wanders without a button
  kRightClick,  // the right button
  kIdle,        // nothing for a few seconds: animations run on
  kNext,        // the next button
  kOptions,     // the options dialog opened, used and closed
  kEscape,      // Escape by accident: the game ends and is started again
  kStop,        // the stop button by accident: the same
  kResync,      // a click on the game's menu icon (nothing in the game; starts it from the menu)
};

// A modal dialog: where its controls are on the screen.
struct DialogShape {
  Area whole;
  std::vector<Area> controls;
  Area ok;
  Area cancel;
};

struct Game {
  const char* form = "";
  // Launches the game from the menu; a click there does nothing harmful in the game itself.
  Point icon;
  Area stop;
  Area options;  // none where w is 0
  Area next;
  DialogShape dialog;  // none without controls
  // The dialog opens from the options button or F1; otherwise from a double click on one of
  // these areas.
  std::vector<Area> dialogOpeners;
  // Escape leaves even while another key is held, so a key held over Escape keeps the menu
  // from taking that Escape if the game has just ended by itself.
  bool escapeThroughHeldKey = false;
  // A playing sound keeps the game from ending: a key first silences it.
  bool silenceFirst = false;
  std::vector<std::string> keys;
  std::vector<Area> clickAreas;
  std::vector<Area> dragFrom;
  std::vector<Area> dragTo;
  std::vector<Area> dblClickAreas;
  std::vector<int> weights;  // by Action

  bool HasOptions() const { return options.w > 0; }
  bool HasNext() const { return next.w > 0; }
  bool HasDialog() const { return !dialog.controls.empty(); }
};

const Game& GameAt(int index);

// Every key name a script knows, Escape last.
extern const std::vector<std::string> kKeyNames;

// A point that the generator may press without aiming at it: not on the game's own buttons and
// not where the menu's stop and sound buttons lie, in case the menu is in front.
bool FreeToPress(const Game& game, Point p);

}  // namespace soak
