// Drawing SVG text into pixels with librsvg and cairo.
#pragma once
#include <string>

#include "image.h"

namespace forge {

// Draws the SVG stretched to exactly width x height, after mirroring (flip 'h' or 'v', 0 for
// none) and then turning it clockwise by `rotate` degrees (0, 90, 180, 270). Throws ForgeError
// (prefixed with `name`) when the SVG cannot be read or has no size.
Image RenderSvg(const std::string& svg, const std::string& name, int width, int height, int rotate,
                char flip);

}  // namespace forge
