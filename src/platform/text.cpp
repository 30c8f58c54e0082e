// Text through SDL2_ttf: glyphs rendered as coverage and blended onto the surface.
#include "platform/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_read.h"
#include "platform/paths.h"

namespace platform {

namespace {

// Fonts are opened on first use and kept for the rest of the run, one per (size, bold).
// Everything that draws runs on the one UI thread.
class FontCache {
 public:
  ~FontCache() {
    for (auto& [key, font] : fonts_) {
      if (font) TTF_CloseFont(font);
    }
    if (initialised_) TTF_Quit();
  }

  TTF_Font* Get(int pixelSize, bool bold) {
    if (pixelSize <= 0) return nullptr;
    const auto key = std::make_pair(pixelSize, bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    if (!initialised_) {
      if (TTF_Init() != 0) return nullptr;
      initialised_ = true;
    }
    TTF_Font* font = nullptr;
    const char* file = bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf";
    for (const std::filesystem::path& folder :
         {ExecutableFolder() / "Fonts",
          std::filesystem::path("/usr/share/fonts/truetype/dejavu")}) {
      const std::vector<std::uint8_t>& bytes = FileBytes(folder / file);
      if (bytes.empty()) continue;
      SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
      if (rw) font = TTF_OpenFontRW(rw, 1, pixelSize);
      if (font) break;
    }
    // A font that cannot be opened is remembered too, so a missing file costs one search.
    fonts_[key] = font;
    return font;
  }

 private:
  // A font file's bytes, read once and kept for as long as fonts made from them live (empty
  // when it cannot be read).
  const std::vector<std::uint8_t>& FileBytes(const std::filesystem::path& file) {
    auto it = files_.find(file.string());
    if (it == files_.end()) {
      it = files_
               .emplace(
                   file.string(),
                   ReadBoundedFile(file, FileLimits::kFont).value_or(std::vector<std::uint8_t>()))
               .first;
    }
    return it->second;
  }

  bool initialised_ = false;
  std::map<std::string, std::vector<std::uint8_t>> files_;
  std::map<std::pair<int, bool>, TTF_Font*> fonts_;
};

TTF_Font* Font(int pixelSize, bool bold) {
  static FontCache cache;
  return cache.Get(pixelSize, bold);
}

}  // namespace

TextExtent MeasureText(std::string_view text, int pixelSize, bool bold) {
  TTF_Font* font = Font(pixelSize, bold);
  if (!font) return {};
  int w = 0, h = 0;
  if (TTF_SizeUTF8(font, std::string(text).c_str(), &w, &h) != 0) return {};
  return {w, h};
}

TextExtent DrawText(Surface& s, int x, int y, std::string_view text, int pixelSize, bool bold,
                    Colour c) {
  TTF_Font* font = Font(pixelSize, bold);
  if (!font) return {};
  const std::string str(text);
  if (str.empty() || str.front() == '\0') return MeasureText(str, pixelSize, bold);
  // White glyphs: only the alpha (the glyph's coverage) is used.
  SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, str.c_str(), SDL_Color{255, 255, 255, 255});
  if (!glyphs) return {};
  SDL_Surface* argb = glyphs;
  if (glyphs->format->format != SDL_PIXELFORMAT_ARGB8888) {
    argb = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(glyphs);
    if (!argb) return {};
  }
  const TextExtent extent{argb->w, argb->h};

  const std::uint32_t ink = ToPixel(c);
  const int inkR = (ink >> 16) & 0xFF, inkG = (ink >> 8) & 0xFF, inkB = ink & 0xFF;
  // Rows and columns of the text that land inside the surface.
  const auto clip = [](std::int64_t at, int size, int limit, int& from, int& to) {
    from = static_cast<int>(std::clamp<std::int64_t>(-at, 0, size));
    to = static_cast<int>(std::clamp<std::int64_t>(limit - at, 0, size));
  };
  int top, bottom, left, right;
  clip(y, argb->h, s.height(), top, bottom);
  clip(x, argb->w, s.width(), left, right);
  if (SDL_LockSurface(argb) == 0) {
    for (int ty = top; ty < bottom; ++ty) {
      const auto* src =
          reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                 static_cast<std::ptrdiff_t>(ty) * argb->pitch);
      std::uint32_t* dst = s.row(y + ty);
      for (int tx = left; tx < right; ++tx) {
        const int a = static_cast<int>(src[tx] >> 24);
        if (a == 0) continue;
        const std::uint32_t d = dst[x + tx];
        const auto mix = [a](int from, int to) { return (from * (255 - a) + to * a + 127) / 255; };
        const int r = mix(static_cast<int>((d >> 16) & 0xFF), inkR);
        const int g = mix(static_cast<int>((d >> 8) & 0xFF), inkG);
        const int b = mix(static_cast<int>(d & 0xFF), inkB);
        dst[x + tx] = (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
                      static_cast<std::uint32_t>(b);
      }
    }
    SDL_UnlockSurface(argb);
  }
  SDL_FreeSurface(argb);
  return extent;
}

}  // namespace platform
