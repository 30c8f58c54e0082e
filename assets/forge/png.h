// PNG files with alpha, for pictures used outside the program (the desktop icon).
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "image.h"

namespace forge {

// A 32-bit RGBA PNG of the drawing (cairo stores the alpha straight, as PNG wants).
std::vector<std::uint8_t> EncodePng(const Image& img);

// Reads a PNG back into premultiplied pixels; nothing for anything cairo cannot read.
std::optional<Image> DecodePng(const std::vector<std::uint8_t>& bytes);

}  // namespace forge
