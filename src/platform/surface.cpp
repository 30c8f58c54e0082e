// Off-screen pictures: block copies with raster operations, stretching, pixels and flood fill.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <limits>

namespace platform {

namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

// Four pixels at a time through the compiler's vector type: at -O2 GCC does not vectorise
// loops of unknown length by itself, and the AND and OR copies run for every sprite drawn.
using Quad = std::uint32_t __attribute__((vector_size(16)));

template <typename Op>
void CombineRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n, Op op) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    Quad a0, a1, b0, b1;
    std::memcpy(&a0, d + i, sizeof a0);
    std::memcpy(&a1, d + i + 4, sizeof a1);
    std::memcpy(&b0, s + i, sizeof b0);
    std::memcpy(&b1, s + i + 4, sizeof b1);
    a0 = op(a0, b0);
    a1 = op(a1, b1);
    std::memcpy(d + i, &a0, sizeof a0);
    std::memcpy(d + i + 4, &a1, sizeof a1);
  }
  for (; i < n; ++i) d[i] = op(d[i], s[i]);
}

constexpr auto kAnd = [](auto a, auto b) { return a & b; };
constexpr auto kOr = [](auto a, auto b) { return a | b; };

// One row of a block copy. Rows of the same surface may overlap (a copy within one picture):
// memmove copes with that for a plain copy, the combining copies walk backwards when the
// target lies to the right of the source within the same row.
void RopRow(std::uint32_t* d, const std::uint32_t* s, int n, Rop rop, bool samePicture) {
  if (rop == Rop::Copy) {
    std::memmove(d, s, static_cast<std::size_t>(n) * sizeof *d);
    return;
  }
  if (!samePicture || d + n <= s || s + n <= d) {
    if (rop == Rop::And) {
      CombineRow(d, s, n, kAnd);
    } else {
      CombineRow(d, s, n, kOr);
    }
    return;
  }
  if (d > s) {
    for (int i = n - 1; i >= 0; --i) d[i] = rop == Rop::And ? d[i] & s[i] : d[i] | s[i];
  } else {
    for (int i = 0; i < n; ++i) d[i] = rop == Rop::And ? d[i] & s[i] : d[i] | s[i];
  }
}

// One row of a stretch: map[i] is the source column for target pixel i.
template <Rop rop>
void StretchRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, const int* map,
                int n) {
  for (int i = 0; i < n; ++i) {
    if constexpr (rop == Rop::Copy) {
      d[i] = s[map[i]];
    } else if constexpr (rop == Rop::And) {
      d[i] &= s[map[i]];
    } else {
      d[i] |= s[map[i]];
    }
  }
}

// Clips one axis of a block copy: start positions in target and source and a length, against
// the target's and the source's extent. Returns false when nothing is left.
bool ClipAxis(std::int64_t& d, std::int64_t& s, std::int64_t& n, int dstSize, int srcSize) {
  if (n <= 0) return false;
  const std::int64_t cutFront = std::max<std::int64_t>({0, -d, -s});
  d += cutFront;
  s += cutFront;
  n -= cutFront;
  n = std::min<std::int64_t>({n, dstSize - d, srcSize - s});
  return n > 0;
}

// Nearest-neighbour sampling along one axis of a stretch. A block of size `dstLen` starting at
// `dstOrigin` receives a block of size `srcLen` from `srcOrigin`; a negative size runs from the
// origin pixel backwards. Only target pixels inside the target whose source pixel lies inside
// the source are mapped; the mapping is monotonic, so they form one run: `first` is the lowest
// of them, and `source` holds, in ascending target order, the source coordinate of each.
struct AxisMap {
  int first = 0;
  std::vector<int> source;
};

bool MapAxis(int dstOrigin, int dstLen, int srcOrigin, int srcLen, int dstSize, int srcSize,
             AxisMap& out) {
  constexpr int kMin = std::numeric_limits<int>::min();
  if (dstLen == 0 || srcLen == 0 || dstLen == kMin || srcLen == kMin) return false;
  const std::int64_t dlen = dstLen < 0 ? -static_cast<std::int64_t>(dstLen) : dstLen;
  const std::int64_t slen = srcLen < 0 ? -static_cast<std::int64_t>(srcLen) : srcLen;
  // Leftmost target pixel of the block, whichever way it runs.
  const std::int64_t low = dstLen > 0 ? dstOrigin : std::int64_t{dstOrigin} + dstLen + 1;
  const std::int64_t from = std::max<std::int64_t>(low, 0);
  const std::int64_t to = std::min<std::int64_t>(low + dlen, dstSize);
  out.source.clear();
  if (from >= to) return false;
  out.first = static_cast<int>(from);
  for (std::int64_t p = from; p < to; ++p) {
    // i counts from the block's origin pixel; the source offset samples at the pixel centre.
    const std::int64_t i = dstLen > 0 ? p - low : low + dlen - 1 - p;
    const std::int64_t j = (2 * i + 1) * slen / (2 * dlen);
    const std::int64_t sp = srcLen > 0 ? srcOrigin + j : srcOrigin - j;
    if (sp >= 0 && sp < srcSize) {
      out.source.push_back(static_cast<int>(sp));
    } else if (out.source.empty()) {
      ++out.first;
    } else {
      break;
    }
  }
  return !out.source.empty();
}

}  // namespace

void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel) {
  // A 32-bit pattern is what wmemset writes; the C library's version is vectorised, a plain
  // loop is not at -O2.
  static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
  std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(pixel), n);
}

Surface::Surface(int width, int height, std::uint32_t pixel) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  // Zeroed memory comes at memset speed; any other colour is filled over it.
  pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  if (pixel != 0) Fill(pixel);
}

Surface& Surface::operator=(const Surface& other) {
  if (this != &other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
  }
  version_ = std::max(version_, other.version_) + 1;
  return *this;
}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = std::move(other.pixels_);
    other.width_ = other.height_ = 0;
    other.pixels_.clear();
    ++other.version_;
  }
  version_ = std::max(version_, other.version_) + 1;
  return *this;
}

void Surface::Fill(std::uint32_t pixel) {
  ++version_;
  FillPixels(pixels_.data(), pixels_.size(), pixel);
}

void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop) {
  if (dst.empty() || src.empty()) return;
  std::int64_t x0 = dx, sx0 = sx, n = w;
  std::int64_t y0 = dy, sy0 = sy, rows = h;
  if (!ClipAxis(x0, sx0, n, dst.width(), src.width())) return;
  if (!ClipAxis(y0, sy0, rows, dst.height(), src.height())) return;
  const int cols = static_cast<int>(n);
  const auto copyRow = [&](std::int64_t r) {
    RopRow(dst.row(static_cast<int>(y0 + r)) + x0, src.row(static_cast<int>(sy0 + r)) + sx0, cols,
           rop, &dst == &src);
  };
  // Within one picture, a target below its source is copied bottom-up so that no source row
  // is overwritten before it has been read.
  if (&dst == &src && y0 > sy0) {
    for (std::int64_t r = rows - 1; r >= 0; --r) copyRow(r);
  } else {
    for (std::int64_t r = 0; r < rows; ++r) copyRow(r);
  }
}

void StretchBlit(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                 int sw, int sh, Rop rop) {
  if (dst.empty() || src.empty()) return;
  if (dw == sw && dh == sh && dw > 0 && dh > 0) {
    Blit(dst, dx, dy, dw, dh, src, sx, sy, rop);
    return;
  }
  // The column map is kept between calls so that drawing a scaled sprite allocates nothing
  // once it has been drawn at its size.
  thread_local AxisMap cols;
  thread_local AxisMap rows;
  if (!MapAxis(dx, dw, sx, sw, dst.width(), src.width(), cols)) return;
  if (!MapAxis(dy, dh, sy, sh, dst.height(), src.height(), rows)) return;
  // A stretch reads the source while it writes, so copying within one picture goes through a
  // copy of it.
  const Surface* from = &src;
  Surface copy;
  if (&dst == &src) {
    copy = src;
    from = &copy;
  }
  const int n = static_cast<int>(cols.source.size());
  // Columns taken one for one (a stretch in height only) make whole-row copies. The map only
  // repeats or only skips, so a span of n - 1 means no step of it does either.
  const bool straight = n > 0 && cols.source.back() - cols.source.front() == n - 1;
  for (std::size_t r = 0; r < rows.source.size(); ++r) {
    const std::uint32_t* s = from->row(rows.source[r]);
    std::uint32_t* d = dst.row(rows.first + static_cast<int>(r)) + cols.first;
    // An enlarged row that repeats the one above is copied from it as it stands.
    if (rop == Rop::Copy && r > 0 && rows.source[r] == rows.source[r - 1]) {
      std::memcpy(d, d - dst.width(), static_cast<std::size_t>(n) * sizeof *d);
      continue;
    }
    if (straight) {
      RopRow(d, s + cols.source.front(), n, rop, false);
      continue;
    }
    switch (rop) {
      case Rop::Copy:
        StretchRow<Rop::Copy>(d, s, cols.source.data(), n);
        break;
      case Rop::And:
        StretchRow<Rop::And>(d, s, cols.source.data(), n);
        break;
      case Rop::Paint:
        StretchRow<Rop::Paint>(d, s, cols.source.data(), n);
        break;
    }
  }
}

std::int64_t GetPixel(const Surface& s, int x, int y) {
  if (x < 0 || y < 0 || x >= s.width() || y >= s.height()) return -1;
  return FromPixel(s.row(y)[x]);
}

bool SetPixel(Surface& s, int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= s.width() || y >= s.height()) return false;
  s.row(y)[x] = ToPixel(c);
  return true;
}

void FloodFill(Surface& s, int x, int y, Colour match, Colour fill) {
  const std::uint32_t want = ToPixel(match);
  const std::uint32_t paint = ToPixel(fill);
  // Filling with the colour being matched would change nothing and never run out of seeds.
  if (want == paint) return;
  if (x < 0 || y < 0 || x >= s.width() || y >= s.height()) return;
  const auto matches = [&](int px, int py) { return (s.row(py)[px] & kRgbMask) == want; };
  if (!matches(x, y)) return;

  struct Seed {
    int x, y;
  };
  std::vector<Seed> stack;
  stack.push_back({x, y});
  const int w = s.width();
  // Pushes one seed for each run of matching pixels in row `py` between columns l and r.
  const auto seedRuns = [&](int l, int r, int py) {
    if (py < 0 || py >= s.height()) return;
    const std::uint32_t* row = s.row(py);
    int px = l;
    while (px <= r) {
      while (px <= r && (row[px] & kRgbMask) != want) ++px;
      if (px > r) break;
      stack.push_back({px, py});
      while (px <= r && (row[px] & kRgbMask) == want) ++px;
    }
  };
  while (!stack.empty()) {
    const Seed seed = stack.back();
    stack.pop_back();
    if (!matches(seed.x, seed.y)) continue;  // filled since it was pushed
    std::uint32_t* row = s.row(seed.y);
    int l = seed.x;
    int r = seed.x;
    while (l > 0 && (row[l - 1] & kRgbMask) == want) --l;
    while (r + 1 < w && (row[r + 1] & kRgbMask) == want) ++r;
    FillPixels(row + l, static_cast<std::size_t>(r - l + 1), paint);
    seedRuns(l, r, seed.y - 1);
    seedRuns(l, r, seed.y + 1);
  }
}

}  // namespace platform
