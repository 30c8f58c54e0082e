// The painting board's places and rules that need no window: where every area and control
// lies, the pen widths, the index wrap-around of the shape and background buttons, the
// starting palette and the colour chooser's colours.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "platform/colour.h"

namespace lightpaint {

struct Place {
  std::string name;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The canvas: x 70..799, y 0..499.
constexpr int kCanvasLeft = 70;
constexpr int kCanvasWidth = 730;
constexpr int kCanvasHeight = 500;
constexpr int kButtonSize = 41;
constexpr int kToolTop = 535;
constexpr int kShapeCount = 100;
constexpr int kBackgroundCount = 16;
constexpr int kColourButtons = 9;
constexpr int kRainbowButton = 8;

// A pointer position counts as on the canvas when x >= 70 and y < 500; a click needs x >= 71.
bool OnCanvas(int x, int y);
bool ClickOnCanvas(int x, int y);

// colorBtn(i), i = 0..8, in the colour column: 41 x 41 at x = 6, y = 50 i + 5.
Place ColourButtonPlace(int i);
// splashBtn: below the colour buttons in the same column.
Place SplashButtonPlace();
// The tool strip from left to right, each control placed from the one before it: undoBtn,
// leftShapeBtn, shapeBtn, rightShapeBtn, leftBgBtn, bgBtn, rightBgBtn, fillAreaFrame,
// fillFrame, eraserFrame, Frame1, printBtn.
std::vector<Place> ToolStripLayout();
// drawWidthBtn(i), i = 0..2, side by side inside Frame1.
Place DrawWidthButtonPlace(const Place& frame1, int i);

// The pen width of width option 0..2: 5, 10, 15, or 40, 50, 60 with the rainbow colour.
int DrawWidthFor(int option, bool rainbow);

// Steps an index of `count` pictures by `step` with wrap-around (below 0 -> count - 1, past
// count - 1 -> 0).
int StepIndex(int index, int step, int count);

// The colours of colorBtn(0)..(7) at the start.
std::array<platform::Colour, 8> StartingPalette();
// The colour chooser's grid, row by row: eight columns; every colour of the starting palette is
// in it.
std::vector<platform::Colour> ChooserColours();
constexpr int kChooserColumns = 8;

// The picture files a button or stamp names.
std::string ShapeIconPath(int index);
std::string ShapeImagePath(int index);
std::string ShapeMaskPath(int index);
std::string BackgroundIconPath(int index);
std::string BackgroundPath(int index);
std::string SplashPath(int k);
std::string SplashMaskPath(int k);

}  // namespace lightpaint
