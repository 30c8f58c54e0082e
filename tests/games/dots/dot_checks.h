// Helpers shared by the dot picture tests.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "games/dots/dot_picture.h"

namespace dots_test {

using Dots = std::vector<std::pair<int, int>>;

inline Dots Pairs(const dots::DotPicture& p) {
  Dots out;
  for (const GameUtil::Point& point : p.dots) out.emplace_back(point.X, point.Y);
  return out;
}

// A text read into a fresh state.
inline dots::DotPicture Read(const std::string& text) {
  dots::DotPicture p;
  dots::ReadDotPicture(text, p);
  return p;
}

}  // namespace dots_test
