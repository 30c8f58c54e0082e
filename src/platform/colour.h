// Colours as the program names them: red + 256 * green + 65536 * blue.
#pragma once
#include <cstdint>

namespace platform {

using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// Surfaces keep pixels as 0x00RRGGBB so they can be handed to SDL textures as they are.
constexpr std::uint32_t ToPixel(Colour c) {
  return (static_cast<std::uint32_t>(RedOf(c)) << 16) |
         (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
}
constexpr Colour FromPixel(std::uint32_t p) {
  return Rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
             static_cast<int>(p & 0xFF));
}

constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kWhite = Rgb(255, 255, 255);

}  // namespace platform
