// Drawing primitives on a surface: what a form's drawing methods are made of.
#pragma once
#include "platform/surface.h"

namespace platform {

// A line from (x1, y1) to (x2, y2) in colour c. Width 1 is a plain one-pixel line with both
// end points set; a wider line is a stroke of that width with round ends.
void DrawLine(Surface& s, int x1, int y1, int x2, int y2, int width, Colour c);

// Rectangle outline between two corner pixels (both included) with a pen of the given width.
void DrawBox(Surface& s, int x1, int y1, int x2, int y2, int width, Colour c);

// Filled rectangle between two corner pixels, both included, in any corner order.
void FillBox(Surface& s, int x1, int y1, int x2, int y2, Colour c);

// Filled circle: every pixel whose centre lies within radius r of (cx, cy).
void FillCircle(Surface& s, int cx, int cy, int r, Colour c);

// Circle outline of radius r with a pen of the given width.
void DrawCircle(Surface& s, int cx, int cy, int r, int width, Colour c);

}  // namespace platform
