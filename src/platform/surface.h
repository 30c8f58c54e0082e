// Off-screen pictures and the raster operations the games use on them.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/colour.h"

namespace platform {

// Raster operations of a block copy: plain copy, AND with the target, OR (paint) onto it.
enum class Rop { Copy, And, Paint };

// A 32-bit 0x00RRGGBB picture. Width or height 0 is an empty picture that draws nothing.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, std::uint32_t pixel = 0);
  Surface(const Surface&) = default;
  Surface(Surface&&) noexcept = default;
  // An assigned picture counts as changed.
  Surface& operator=(const Surface& other);
  Surface& operator=(Surface&& other) noexcept;

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  std::uint32_t* row(int y) {
    ++version_;
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  const std::uint32_t* row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * width_;
  }
  std::uint32_t* data() {
    ++version_;
    return pixels_.data();
  }
  const std::uint32_t* data() const { return pixels_.data(); }
  void Fill(std::uint32_t pixel);

  // Grows with every write access to the pixels (and every assignment), so a picture whose
  // version has not moved is surely unchanged: the screen skips it without comparing pixels.
  std::uint64_t version() const { return version_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::uint64_t version_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// Sets n pixels from p on to one value, at the speed of memset.
void FillPixels(std::uint32_t* p, std::size_t n, std::uint32_t pixel);

// Copies a w x h block from (sx, sy) of src to (dx, dy) of dst, clipped against both pictures.
// dst and src may be the same surface, even with overlapping blocks: the result is as if the
// source block had been copied aside first.
void Blit(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy, Rop rop);

// Nearest-neighbour stretch of the sw x sh block at (sx, sy) of src onto the dw x dh block at
// (dx, dy) of dst. Negative sizes mirror, as a stretch copy does. Clipped against both pictures.
// Target pixel i of a block (counted from its origin) takes source pixel
// floor((i + 1/2) * |sw| / |dw|); a negative size runs from the origin pixel towards lower
// coordinates, so a w-wide picture mirrors onto itself with dx = w - 1, dw = -w. A zero size on
// either side draws nothing.
void StretchBlit(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                 int sw, int sh, Rop rop);

// The colour at (x, y), or -1 outside the picture.
std::int64_t GetPixel(const Surface& s, int x, int y);

// Sets one pixel; returns false outside the picture.
bool SetPixel(Surface& s, int x, int y, Colour c);

// Fills the 4-connected area around (x, y) whose pixels have exactly the colour `match` with
// `fill`. Nothing happens when (x, y) is outside or not of that colour. Scanline, no recursion.
void FloodFill(Surface& s, int x, int y, Colour match, Colour fill);

}  // namespace platform
