// Lines, boxes and circles drawn straight into a surface's pixels, clipped to the picture.
#include "platform/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace platform {

namespace {

// Radii and pen widths beyond these reach far past any picture; the limits keep the squared
// distances of circles within 64 bits.
constexpr int kMaxRadius = 1 << 28;
constexpr int kMaxPen = 1 << 20;

// Sets pixels x0..x1 (inclusive) of row y, whatever part of them lies inside the picture.
void Span(Surface& s, std::int64_t x0, std::int64_t x1, std::int64_t y, std::uint32_t pixel) {
  if (y < 0 || y >= s.height()) return;
  x0 = std::max<std::int64_t>(x0, 0);
  x1 = std::min<std::int64_t>(x1, s.width() - 1);
  if (x0 > x1) return;
  std::uint32_t* row = s.row(static_cast<int>(y));
  FillPixels(row + x0, static_cast<std::size_t>(x1 - x0 + 1), pixel);
}

// The largest whole number whose square does not exceed v (v >= 0).
std::int64_t FloorSqrt(std::int64_t v) {
  auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(v)));
  while (r > 0 && r * r > v) --r;
  while ((r + 1) * (r + 1) <= v) ++r;
  return r;
}

// The one-pixel line: for every step along the longer axis, the pixel whose centre lies nearest
// the ideal line (halves round away from the start), both end points included. Only the steps
// whose long-axis coordinate lies in the picture are walked, so far-away end points cost nothing.
void ThinLine(Surface& s, int x1, int y1, int x2, int y2, std::uint32_t pixel) {
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  const bool steep = std::llabs(dy) > std::llabs(dx);
  // Work in (major, minor) coordinates.
  const std::int64_t a0 = steep ? y1 : x1;
  const std::int64_t b0 = steep ? x1 : y1;
  const std::int64_t da = steep ? dy : dx;
  const std::int64_t db = steep ? dx : dy;
  const std::int64_t major = std::llabs(da);
  const std::int64_t minor = std::llabs(db);
  const int stepA = da < 0 ? -1 : 1;
  const int stepB = db < 0 ? -1 : 1;
  const std::int64_t limitA = steep ? s.height() : s.width();
  const std::int64_t limitB = steep ? s.width() : s.height();
  // Steps k = 0..major; the long-axis coordinate is a0 + stepA * k.
  std::int64_t kFrom = stepA > 0 ? -a0 : a0 - (limitA - 1);
  std::int64_t kTo = stepA > 0 ? limitA - 1 - a0 : a0;
  kFrom = std::max<std::int64_t>(kFrom, 0);
  kTo = std::min<std::int64_t>(kTo, major);
  if (kFrom > kTo) return;
  if (major == 0) {
    SetPixel(s, x1, y1, FromPixel(pixel));
    return;
  }
  // Short-axis offset at step k is floor((2 k minor + major) / (2 major)); walk it with the
  // remainder. The products can pass 64 bits for end points near the int limits.
  using Wide = __int128;
  const Wide twoMajor = Wide{2} * major;
  const Wide start = Wide{2} * kFrom * minor + major;
  auto offset = static_cast<std::int64_t>(start / twoMajor);
  auto remainder = static_cast<std::int64_t>(start % twoMajor);
  const std::int64_t twoMinor = 2 * minor;
  const auto twoMajor64 = static_cast<std::int64_t>(twoMajor);
  for (std::int64_t k = kFrom; k <= kTo; ++k) {
    const std::int64_t a = a0 + stepA * k;
    const std::int64_t b = b0 + stepB * offset;
    if (b >= 0 && b < limitB) {
      const std::int64_t px = steep ? b : a;
      const std::int64_t py = steep ? a : b;
      s.row(static_cast<int>(py))[px] = pixel;
    }
    remainder += twoMinor;
    if (remainder >= twoMajor64) {
      remainder -= twoMajor64;
      ++offset;
    }
  }
}

// Intersects [lo, hi] with the x range where a + b * x lies within [min, max].
void LimitLinear(double a, double b, double min, double max, double& lo, double& hi) {
  if (b == 0) {
    if (a < min || a > max) hi = lo - 1;
    return;
  }
  double x0 = (min - a) / b;
  double x1 = (max - a) / b;
  if (x0 > x1) std::swap(x0, x1);
  lo = std::max(lo, x0);
  hi = std::min(hi, x1);
}

// A stroke of the given width: every pixel whose centre lies within width / 2 of the segment,
// which gives the ends the same discs FillCircle draws. The shape is convex, so each row is one
// span: the union of the rows of the two end discs and of the band along the segment.
void ThickLine(Surface& s, int x1, int y1, int x2, int y2, int width, std::uint32_t pixel) {
  const double r = width / 2.0;
  const double r2 = r * r;
  // Pixel centres that lie on the edge of the stroke by exact arithmetic must not be lost to
  // rounding.
  constexpr double kSlack = 1e-7;
  const double ax = x1, ay = y1, dx = static_cast<double>(x2) - x1,
               dy = static_cast<double>(y2) - y1;
  const double len2 = dx * dx + dy * dy;
  const double len = std::sqrt(len2);
  const auto top = static_cast<std::int64_t>(std::ceil(std::min(y1, y2) - r - kSlack));
  const auto bottom = static_cast<std::int64_t>(std::floor(std::max(y1, y2) + r + kSlack));
  const std::int64_t yFrom = std::max<std::int64_t>(top, 0);
  const std::int64_t yTo = std::min<std::int64_t>(bottom, s.height() - 1);
  for (std::int64_t y = yFrom; y <= yTo; ++y) {
    double lo = INFINITY, hi = -INFINITY;
    const auto disc = [&](double cx, double cy) {
      const double h2 = r2 - (y - cy) * (y - cy);
      if (h2 < -kSlack) return;
      const double h = std::sqrt(std::max(h2, 0.0));
      lo = std::min(lo, cx - h);
      hi = std::max(hi, cx + h);
    };
    disc(ax, ay);
    disc(x2, y2);
    if (len2 > 0) {
      // Points beside the segment: projection within it, distance from its line within r.
      double bl = -INFINITY, bh = INFINITY;
      const double ry = y - ay;
      LimitLinear(ry * dy - ax * dx, dx, -kSlack, len2 + kSlack, bl, bh);
      LimitLinear(-ax * dy - ry * dx, dy, -r * len - kSlack, r * len + kSlack, bl, bh);
      if (bl <= bh) {
        lo = std::min(lo, bl);
        hi = std::max(hi, bh);
      }
    }
    if (lo > hi) continue;
    Span(s, static_cast<std::int64_t>(std::ceil(lo - kSlack)),
         static_cast<std::int64_t>(std::floor(hi + kSlack)), y, pixel);
  }
}

// Every pixel whose centre's squared distance d2 from (cx, cy) satisfies
// inner2 < 4 * d2 <= outer2 (all in quarter-pixel units, so half-pixel radii stay exact);
// a negative inner2 leaves the middle filled.
void Annulus(Surface& s, int cx, int cy, std::int64_t inner2, std::int64_t outer2,
             std::uint32_t pixel) {
  if (outer2 < 0) return;
  const std::int64_t reach = FloorSqrt(outer2 / 4);
  const std::int64_t yFrom = std::max<std::int64_t>(std::int64_t{cy} - reach, 0);
  const std::int64_t yTo = std::min<std::int64_t>(std::int64_t{cy} + reach, s.height() - 1);
  for (std::int64_t y = yFrom; y <= yTo; ++y) {
    const std::int64_t dy2 = 4 * (y - cy) * (y - cy);
    // Largest |dx| with 4 dx^2 + dy2 <= outer2.
    const std::int64_t out = FloorSqrt((outer2 - dy2) / 4);
    if (inner2 < dy2) {
      Span(s, cx - out, cx + out, y, pixel);
      continue;
    }
    // Pixels with 4 dx^2 + dy2 <= inner2 stay untouched: |dx| <= in.
    const std::int64_t in = FloorSqrt((inner2 - dy2) / 4);
    Span(s, cx - out, cx - in - 1, y, pixel);
    Span(s, cx + in + 1, cx + out, y, pixel);
  }
}

}  // namespace

void DrawLine(Surface& s, int x1, int y1, int x2, int y2, int width, Colour c) {
  if (s.empty()) return;
  if (width <= 1) {
    ThinLine(s, x1, y1, x2, y2, ToPixel(c));
  } else {
    ThickLine(s, x1, y1, x2, y2, width, ToPixel(c));
  }
}

void DrawBox(Surface& s, int x1, int y1, int x2, int y2, int width, Colour c) {
  if (s.empty()) return;
  const std::int64_t left = std::min(x1, x2), right = std::max(x1, x2);
  const std::int64_t top = std::min(y1, y2), bottom = std::max(y1, y2);
  // A pen of width w covers w pixels across each edge, centred on it (the extra pixel of an
  // even width lies outside).
  const std::int64_t w = std::max(width, 1);
  const std::int64_t in = (w - 1) / 2, out = w / 2;
  const std::uint32_t pixel = ToPixel(c);
  const auto band = [&](std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b) {
    for (std::int64_t y = std::max<std::int64_t>(t, 0);
         y <= std::min<std::int64_t>(b, s.height() - 1); ++y) {
      Span(s, l, r, y, pixel);
    }
  };
  band(left - out, top - out, right + out, top + in);        // top edge
  band(left - out, bottom - in, right + out, bottom + out);  // bottom edge
  band(left - out, top - out, left + in, bottom + out);      // left edge
  band(right - in, top - out, right + out, bottom + out);    // right edge
}

void FillBox(Surface& s, int x1, int y1, int x2, int y2, Colour c) {
  if (s.empty()) return;
  const std::int64_t top = std::max(std::min(y1, y2), 0);
  const std::int64_t bottom = std::min(std::max(y1, y2), s.height() - 1);
  const std::uint32_t pixel = ToPixel(c);
  for (std::int64_t y = top; y <= bottom; ++y) {
    Span(s, std::min(x1, x2), std::max(x1, x2), y, pixel);
  }
}

void FillCircle(Surface& s, int cx, int cy, int r, Colour c) {
  if (s.empty() || r < 0) return;
  const std::int64_t twoR = 2 * std::int64_t{std::min(r, kMaxRadius)};
  Annulus(s, cx, cy, -1, twoR * twoR, ToPixel(c));
}

void DrawCircle(Surface& s, int cx, int cy, int r, int width, Colour c) {
  if (s.empty() || r < 0) return;
  // The pen runs centred on the circle: from r - width / 2 (exclusive) to r + width / 2.
  const std::int64_t w = std::clamp(width, 1, kMaxPen);
  const std::int64_t inner = 2 * std::int64_t{std::min(r, kMaxRadius)} - w;
  const std::int64_t outer = 2 * std::int64_t{std::min(r, kMaxRadius)} + w;
  Annulus(s, cx, cy, inner < 0 ? -1 : inner * inner, outer * outer, ToPixel(c));
}

}  // namespace platform
