#include "platform/cursor.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace platform {
namespace {

constexpr int kMaxSide = 256;

// Little-endian reads from a byte range the caller has already bounds-checked.
std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

bool Bit(const std::uint8_t* row, int x) {
  return (row[x >> 3] >> (7 - (x & 7))) & 1;
}

std::uint32_t Rgb(const std::uint8_t* bgr) {
  return (static_cast<std::uint32_t>(bgr[2]) << 16) | (bgr[1] << 8) | bgr[0];
}

// A device-independent bitmap of twice the image height: the colour rows, then the 1-bit AND
// mask (1 = transparent), both bottom-up with rows padded to 4 bytes.
std::optional<CursorImage> DecodeDib(const std::uint8_t* p, std::size_t size) {
  if (size < 40) return std::nullopt;
  const std::size_t headerSize = U32(p);
  if (headerSize < 40 || headerSize > size) return std::nullopt;
  const std::int32_t width = I32(p + 4);
  const std::int32_t doubleHeight = I32(p + 8);
  const int bpp = U16(p + 14);
  const std::uint32_t compression = U32(p + 16);
  const std::uint32_t coloursUsed = U32(p + 32);
  if (width < 1 || width > kMaxSide || doubleHeight < 2 || doubleHeight > 2 * kMaxSide ||
      doubleHeight % 2 != 0 || compression != 0) {
    return std::nullopt;
  }
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return std::nullopt;
  const int height = doubleHeight / 2;

  std::size_t paletteSize = 0;
  if (bpp <= 8) {
    paletteSize = coloursUsed ? coloursUsed : (1u << bpp);
    if (paletteSize > (1u << bpp)) return std::nullopt;
  }
  const std::uint8_t* palette = p + headerSize;
  const std::size_t xorOffset = headerSize + 4 * paletteSize;
  const std::size_t xorStride = (static_cast<std::size_t>(width) * bpp + 31) / 32 * 4;
  const std::size_t andStride = (static_cast<std::size_t>(width) + 31) / 32 * 4;
  const std::size_t andOffset = xorOffset + xorStride * height;
  if (andOffset + andStride * height > size) return std::nullopt;

  CursorImage image;
  image.width = width;
  image.height = height;
  image.argb.assign(static_cast<std::size_t>(width) * height, 0);
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = p + xorOffset + xorStride * (height - 1 - y);
    std::uint32_t* out = image.argb.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      std::size_t index = 0;
      switch (bpp) {
        case 1:
          index = Bit(row, x);
          break;
        case 4:
          index = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
          break;
        case 8:
          index = row[x];
          break;
        case 24:
          out[x] = Rgb(row + 3 * x);
          break;
        default:
          out[x] = (static_cast<std::uint32_t>(row[4 * x + 3]) << 24) | Rgb(row + 4 * x);
          anyAlpha = anyAlpha || row[4 * x + 3] != 0;
      }
      if (bpp <= 8) out[x] = index < paletteSize ? Rgb(palette + 4 * index) : 0;
    }
  }
  // Pictures without an alpha channel of their own take it from the AND mask.
  if (bpp != 32 || !anyAlpha) {
    for (int y = 0; y < height; ++y) {
      const std::uint8_t* mask = p + andOffset + andStride * (height - 1 - y);
      std::uint32_t* out = image.argb.data() + static_cast<std::size_t>(y) * width;
      for (int x = 0; x < width; ++x) {
        out[x] = Bit(mask, x) ? 0 : (0xFF000000u | (out[x] & 0x00FFFFFFu));
      }
    }
  }
  return image;
}

std::optional<CursorImage> DecodePng(const std::uint8_t* p, std::size_t size) {
  if (size > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(p, static_cast<int>(size));
  if (!rw) return std::nullopt;
  SDL_Surface* loaded = IMG_LoadTyped_RW(rw, 1, "PNG");
  if (!loaded) return std::nullopt;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (!argb) return std::nullopt;
  std::optional<CursorImage> image;
  if (argb->w >= 1 && argb->w <= kMaxSide && argb->h >= 1 && argb->h <= kMaxSide &&
      SDL_LockSurface(argb) == 0) {
    image.emplace();
    image->width = argb->w;
    image->height = argb->h;
    image->argb.resize(static_cast<std::size_t>(argb->w) * argb->h);
    for (int y = 0; y < argb->h; ++y) {
      std::memcpy(image->argb.data() + static_cast<std::size_t>(y) * argb->w,
                  static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch,
                  static_cast<std::size_t>(argb->w) * 4);
    }
    SDL_UnlockSurface(argb);
  }
  SDL_FreeSurface(argb);
  return image;
}

}  // namespace

std::optional<CursorImage> ParseCursor(const std::vector<std::uint8_t>& bytes) {
  const std::uint8_t* p = bytes.data();
  const std::size_t n = bytes.size();
  // The directory: reserved 0, type 2 (cursor), the entry count, then 16 bytes per entry.
  if (n < 6 + 16 || U16(p) != 0 || U16(p + 2) != 2) return std::nullopt;
  const std::size_t count = U16(p + 4);
  if (count == 0 || 6 + 16 * count > n) return std::nullopt;
  const std::uint8_t* entry = p + 6;
  const int hotX = U16(entry + 4);
  const int hotY = U16(entry + 6);
  const std::size_t size = U32(entry + 8);
  const std::size_t offset = U32(entry + 12);
  if (size == 0 || offset > n || size > n - offset) return std::nullopt;

  static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const bool png = size >= 8 && std::memcmp(p + offset, kPng, 8) == 0;
  std::optional<CursorImage> image =
      png ? DecodePng(p + offset, size) : DecodeDib(p + offset, size);
  if (!image) return std::nullopt;
  // A hot spot off the picture is moved onto its nearest edge, where a cursor can have it.
  image->hotX = std::min(hotX, image->width - 1);
  image->hotY = std::min(hotY, image->height - 1);
  return image;
}

}  // namespace platform
