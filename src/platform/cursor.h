// ".cur" cursor files.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

struct CursorImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  std::vector<std::uint32_t> argb;  // width * height pixels, 0xAARRGGBB, not premultiplied
};

// Parses the first image of a ".cur" file (BMP or PNG payload, 1/4/8/24/32 bits with the AND
// mask). Nothing for anything malformed or truncated.
std::optional<CursorImage> ParseCursor(const std::vector<std::uint8_t>& bytes);

}  // namespace platform
