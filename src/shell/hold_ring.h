// The ring that fills around a button while it is held down: a white track between two dark
// plum edges, filled clockwise from the top in a bright yellow.
#pragma once
#include "platform/colour.h"
#include "platform/surface.h"

namespace shell {

constexpr platform::Colour kRingOutline = platform::Rgb(0x2E, 0x2A, 0x40);
constexpr platform::Colour kRingTrack = platform::Rgb(0xFF, 0xFF, 0xFF);
constexpr platform::Colour kRingFill = platform::Rgb(0xFF, 0xC9, 0x2E);

// Draws the ring centred on (cx, cy) (a point between pixels: (763, 563) is the middle of a
// button covering pixels 738 to 787) between the two radii, with `filled` (0 to 1) of its turn
// filled. Edges are smoothed against what lies beneath.
void DrawHoldRing(platform::Surface& target, double cx, double cy, double innerRadius,
                  double outerRadius, double filled);

}  // namespace shell
