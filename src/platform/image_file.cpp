// BMP pictures in through SDL, PNG screenshots out through SDL2_image.
#include "platform/image_file.h"

#include <SDL.h>
#include <SDL_image.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <new>
#include <vector>

#include "platform/file_read.h"

namespace platform {

namespace {

// The games' largest picture is a strip of a few thousand pixels; these limits are far above
// that and keep a damaged header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 1 << 15;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

std::uint32_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

// Checks what SDL would otherwise trust: a declared size that fits the limits and, for
// uncompressed pixels, a body long enough to hold them.
bool PlausibleBmp(const std::vector<std::uint8_t>& b) {
  constexpr std::size_t kFileHeader = 14;
  if (b.size() < kFileHeader + 12 || b[0] != 'B' || b[1] != 'M') return false;
  const std::uint32_t dataOffset = U32(b, 10);
  const std::uint32_t infoSize = U32(b, 14);
  std::int64_t width, height;
  std::uint32_t bits, compression = 0;
  if (infoSize == 12) {  // the old OS/2 header: unsigned 16-bit sizes
    width = U16(b, 18);
    height = U16(b, 20);
    bits = U16(b, 24);
  } else if (infoSize >= 40 && b.size() >= kFileHeader + 40) {
    width = static_cast<std::int32_t>(U32(b, 18));
    height = static_cast<std::int32_t>(U32(b, 22));
    bits = U16(b, 28);
    compression = U32(b, 30);
  } else {
    return false;
  }
  if (height < 0) height = -height;  // top-down rows
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
      width * height > kMaxPixels) {
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  constexpr std::uint32_t kRgb = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (compression == kRgb || compression == kBitFields || compression == kAlphaBitFields) {
    const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    if (dataOffset > b.size() ||
        rowBytes * height > static_cast<std::int64_t>(b.size() - dataOffset)) {
      return false;
    }
  }
  return true;
}

// Converts an SDL picture (any format) straight into a new surface and frees it, so that the
// load holds the picture twice at most, never a third time in a converted copy.
std::optional<Surface> FromSdlSurface(SDL_Surface* loaded) {
  std::optional<Surface> out;
  try {
    out.emplace(loaded->w, loaded->h);
  } catch (const std::bad_alloc&) {
    SDL_FreeSurface(loaded);
    return std::nullopt;
  }
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormatFrom(
      out->data(), out->width(), out->height(), 32, out->width() * 4, SDL_PIXELFORMAT_XRGB8888);
  // A plain copy: a picture with an alpha channel must not be blended onto the black.
  const bool ok = target && SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE) == 0 &&
                  SDL_BlitSurface(loaded, nullptr, target, nullptr) == 0;
  if (target) SDL_FreeSurface(target);
  SDL_FreeSurface(loaded);
  if (!ok) return std::nullopt;
  // The unused byte is not promised to be zero; surfaces keep it clear.
  std::uint32_t* p = out->data();
  const std::size_t n = static_cast<std::size_t>(out->width()) * out->height();
  for (std::size_t i = 0; i < n; ++i) p[i] &= 0x00FFFFFF;
  return out;
}

}  // namespace

std::optional<Surface> DecodeBmp(std::vector<std::uint8_t> bytes) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX) || !PlausibleBmp(bytes)) return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!rw) return std::nullopt;
  SDL_Surface* loaded = SDL_LoadBMP_RW(rw, 1);
  // The file's bytes go before the surface is made: one copy besides the surface at a time.
  std::vector<std::uint8_t>().swap(bytes);
  if (!loaded) return std::nullopt;
  return FromSdlSurface(loaded);
}

std::optional<Surface> LoadBmp(const std::string& path) {
  auto bytes = ReadBoundedFile(path, FileLimits::kPicture);
  if (!bytes) return std::nullopt;
  return DecodeBmp(std::move(*bytes));
}

std::optional<Surface> LoadPng(const std::string& path) {
  auto bytes = ReadBoundedFile(path, FileLimits::kPicture);
  if (!bytes || bytes->empty()) return std::nullopt;
  SDL_RWops* rw = SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size()));
  if (!rw) return std::nullopt;
  SDL_Surface* loaded = IMG_LoadTyped_RW(rw, 1, "PNG");
  bytes.reset();
  if (!loaded) return std::nullopt;
  return FromSdlSurface(loaded);
}

bool SavePng(const Surface& s, const std::string& path) {
  if (s.empty()) return false;
  SDL_Surface* rgb =
      SDL_CreateRGBSurfaceWithFormat(0, s.width(), s.height(), 24, SDL_PIXELFORMAT_RGB24);
  if (!rgb) return false;
  bool ok = SDL_LockSurface(rgb) == 0;
  if (ok) {
    for (int y = 0; y < s.height(); ++y) {
      auto* dst =
          static_cast<std::uint8_t*>(rgb->pixels) + static_cast<std::ptrdiff_t>(y) * rgb->pitch;
      const std::uint32_t* src = s.row(y);
      for (int x = 0; x < s.width(); ++x) {
        dst[3 * x] = static_cast<std::uint8_t>(src[x] >> 16);
        dst[3 * x + 1] = static_cast<std::uint8_t>(src[x] >> 8);
        dst[3 * x + 2] = static_cast<std::uint8_t>(src[x]);
      }
    }
    SDL_UnlockSurface(rgb);
    ok = IMG_SavePNG(rgb, path.c_str()) == 0;
    if (!ok) {
      // Leave no half-written file behind.
      std::error_code ec;
      std::filesystem::remove(path, ec);
    }
  }
  SDL_FreeSurface(rgb);
  return ok;
}

}  // namespace platform
