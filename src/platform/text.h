// Text drawn into a surface with the font that ships beside the program.
#pragma once
#include <string_view>

#include "platform/surface.h"

namespace platform {

struct TextExtent {
  int width = 0;
  int height = 0;
};

// Draws UTF-8 text with its top-left corner at (x, y), blended onto the surface in colour c.
// pixelSize is the font's height in pixels. Returns the size of the drawn text; draws nothing
// (and returns 0 x 0) when no font can be opened.
TextExtent DrawText(Surface& s, int x, int y, std::string_view text, int pixelSize, bool bold,
                    Colour c);
TextExtent MeasureText(std::string_view text, int pixelSize, bool bold);

}  // namespace platform
