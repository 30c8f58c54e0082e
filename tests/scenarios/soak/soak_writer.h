// The pieces the soak generator writes scripts with: a small random generator whose numbers are
// the same on every platform, and a writer that keeps the script's virtual time and what is held
// down.
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
  void KeyDown(const std::string& name) {
    Line("keydown " + name);
    if (std::find(heldKeys_.begin(), heldKeys_.end(), name) == heldKeys_.end())
      heldKeys_.push_back(name);
  }
  void KeyUp(const std::string& name) {
    Line("keyup " + name);
    heldKeys_.erase(std::remove(heldKeys_.begin(), heldKeys_.end(), name), heldKeys_.end());
  }
  bool KeyHeld() const { return !heldKeys_.empty(); }
  const std::vector<std::string>& HeldKeys() const { return heldKeys_; }
  // Lets go of every key and button still held.
  void ReleaseAll() {
    Up();
    while (!heldKeys_.empty()) KeyUp(heldKeys_.back());
  }

 private:
  static std::string Xy(Point p) {
    return std::to_string(std::clamp(p.x, 0, 799)) + " " + std::to_string(std::clamp(p.y, 0, 599));
  }
  void Line(const std::string& line) {
    text_ += line;
    text_ += '\n';
  }

  std::string text_;
  std::int64_t now_ = 0;
  std::string heldButton_;
  std::vector<std::string> heldKeys_;
};

}  // namespace soak
