#include "shell/hold_ring.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace shell {
namespace {

constexpr double kTurn = 2 * 3.14159265358979;
constexpr double kEdge = 2.0;  // width of the plum edges and of the line ending the fill
constexpr int kSamples = 4;    // per side of a pixel, for smooth edges

}  // namespace

void DrawHoldRing(platform::Surface& target, double cx, double cy, double innerRadius,
                  double outerRadius, double filled) {
  filled = std::clamp(filled, 0.0, 1.0);
  const double fillEnd = filled * kTurn;
  // The line that ends the fill, along the ray at fillEnd (clockwise from straight up).
  const double rayX = std::sin(fillEnd), rayY = -std::cos(fillEnd);
  const bool partial = filled > 0 && filled < 1;

  // One point of the ring: its colour, or nothing outside the ring.
  auto colourAt = [&](double dx, double dy, platform::Colour& out) {
    const double r = std::hypot(dx, dy);
    if (r < innerRadius || r > outerRadius) return false;
    if (r < innerRadius + kEdge || r > outerRadius - kEdge) {
      out = kRingOutline;
      return true;
    }
    // Straight up is 0, growing clockwise on the screen (y points down).
    double angle = std::atan2(dx, -dy);
    if (angle < 0) angle += kTurn;
    const bool nearStart = dy < 0 && std::abs(dx) <= kEdge / 2;
    const bool nearEnd = dx * rayX + dy * rayY > 0 && std::abs(dx * rayY - dy * rayX) <= kEdge / 2;
    if (partial && (nearStart || nearEnd)) {
      out = kRingOutline;
    } else {
      out = angle < fillEnd ? kRingFill : kRingTrack;
    }
    return true;
  };

  const int left = static_cast<int>(std::floor(cx - outerRadius));
  const int top = static_cast<int>(std::floor(cy - outerRadius));
  const int right = static_cast<int>(std::ceil(cx + outerRadius));
  const int bottom = static_cast<int>(std::ceil(cy + outerRadius));
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const std::int64_t under = platform::GetPixel(target, x, y);
      if (under < 0) continue;
      // Pixels wholly inside the hole or outside the ring keep what is there.
      const double r = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (r < innerRadius - 1 || r > outerRadius + 1) continue;
      int red = 0, green = 0, blue = 0, hits = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          platform::Colour c = static_cast<platform::Colour>(under);
          const double px = x + (sx + 0.5) / kSamples, py = y + (sy + 0.5) / kSamples;
          hits += colourAt(px - cx, py - cy, c);
          red += platform::RedOf(c);
          green += platform::GreenOf(c);
          blue += platform::BlueOf(c);
        }
      }
      if (hits == 0) continue;
      constexpr int n = kSamples * kSamples;
      platform::SetPixel(target, x, y, platform::Rgb(red / n, green / n, blue / n));
    }
  }
}

}  // namespace shell
