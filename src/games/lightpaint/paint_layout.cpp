#include "games/lightpaint/paint_layout.h"

namespace lightpaint {

using platform::Rgb;

bool OnCanvas(int x, int y) {
  return x >= kCanvasLeft && y < kCanvasHeight;
}

bool ClickOnCanvas(int x, int y) {
  return x >= kCanvasLeft + 1 && y < kCanvasHeight;
}

Place ColourButtonPlace(int i) {
  return {"colorBtn(" + std::to_string(i) + ")", 6, 50 * i + 5, kButtonSize, kButtonSize};
}

Place SplashButtonPlace() {
  return {"splashBtn", 6, 50 * kColourButtons + 5, kButtonSize, kButtonSize};
}

std::vector<Place> ToolStripLayout() {
  // Each control's left edge is the one before it plus this step; printBtn follows Frame1's
  // right edge.
  struct Step {
    const char* name;
    int step;
    int width;
  };
  static constexpr Step kSteps[] = {
      {"undoBtn", 30, kButtonSize},
      {"leftShapeBtn", 60, kButtonSize},
      {"shapeBtn", 40, kButtonSize},
      {"rightShapeBtn", 40, kButtonSize},
      {"leftBgBtn", 50, kButtonSize},
      {"bgBtn", 40, kButtonSize},
      {"rightBgBtn", 40, kButtonSize},
      {"fillAreaFrame", 50, kButtonSize},
      {"fillFrame", 50, kButtonSize},
      {"eraserFrame", 50, kButtonSize},
      {"Frame1", 50, 137},
  };
  std::vector<Place> places;
  int left = 0;
  for (const Step& s : kSteps) {
    left += s.step;
    places.push_back({s.name, left, kToolTop, s.width, kButtonSize});
  }
  const Place& frame1 = places.back();
  places.push_back({"printBtn", frame1.x + frame1.width + 20, kToolTop, kButtonSize, kButtonSize});
  return places;
}

Place DrawWidthButtonPlace(const Place& frame1, int i) {
  // Three 41-pixel buttons with 7-pixel gaps fill the 137-pixel frame.
  return {"drawWidthBtn(" + std::to_string(i) + ")", frame1.x + 48 * i, frame1.y, kButtonSize,
          kButtonSize};
}

int DrawWidthFor(int option, bool rainbow) {
  return rainbow ? 10 * option + 40 : 5 * option + 5;
}

int StepIndex(int index, int step, int count) {
  if (count <= 0) return 0;
  return ((index + step) % count + count) % count;
}

std::array<platform::Colour, 8> StartingPalette() {
  return {Rgb(255, 255, 255), Rgb(0, 0, 0),     Rgb(255, 0, 0), Rgb(255, 255, 0),
          Rgb(86, 146, 18),   Rgb(140, 91, 28), Rgb(0, 0, 255), Rgb(60, 148, 222)};
}

std::vector<platform::Colour> ChooserColours() {
  return {
      // reds and pinks
      Rgb(255, 0, 0),
      Rgb(200, 30, 40),
      Rgb(128, 16, 24),
      Rgb(255, 110, 110),
      Rgb(255, 182, 193),
      Rgb(255, 105, 180),
      Rgb(220, 40, 140),
      Rgb(255, 200, 220),
      // oranges, yellows and browns
      Rgb(255, 140, 0),
      Rgb(255, 190, 90),
      Rgb(255, 255, 0),
      Rgb(255, 230, 120),
      Rgb(255, 250, 200),
      Rgb(140, 91, 28),
      Rgb(190, 130, 70),
      Rgb(90, 56, 20),
      // greens
      Rgb(86, 146, 18),
      Rgb(0, 200, 0),
      Rgb(150, 230, 90),
      Rgb(30, 100, 40),
      Rgb(180, 220, 60),
      Rgb(0, 160, 120),
      Rgb(120, 200, 160),
      Rgb(210, 245, 190),
      // blues
      Rgb(0, 0, 255),
      Rgb(60, 148, 222),
      Rgb(0, 200, 255),
      Rgb(150, 210, 255),
      Rgb(20, 40, 140),
      Rgb(0, 110, 180),
      Rgb(64, 224, 208),
      Rgb(205, 235, 255),
      // purples
      Rgb(128, 0, 200),
      Rgb(170, 90, 230),
      Rgb(210, 170, 255),
      Rgb(80, 20, 110),
      Rgb(200, 0, 200),
      Rgb(240, 130, 240),
      Rgb(120, 90, 200),
      Rgb(235, 215, 250),
      // white, greys, black and skin tones
      Rgb(255, 255, 255),
      Rgb(200, 200, 200),
      Rgb(140, 140, 140),
      Rgb(80, 80, 80),
      Rgb(0, 0, 0),
      Rgb(255, 220, 185),
      Rgb(225, 170, 125),
      Rgb(150, 100, 70),
  };
}

std::string ShapeIconPath(int index) {
  return "Gfx\\LightPaint\\ShapeIcon" + std::to_string(index) + ".bmp";
}

std::string ShapeImagePath(int index) {
  return "Gfx\\LightPaint\\Shapes\\ShapeImage" + std::to_string(index) + ".bmp";
}

std::string ShapeMaskPath(int index) {
  return "Gfx\\LightPaint\\Shapes\\ShapeImage" + std::to_string(index) + "Mask.bmp";
}

std::string BackgroundIconPath(int index) {
  return "Gfx\\LightPaint\\BgImageIcon" + std::to_string(index) + ".bmp";
}

std::string BackgroundPath(int index) {
  return "Gfx\\LightPaint\\Backgrounds\\bgImage" + std::to_string(index) + ".bmp";
}

std::string SplashPath(int k) {
  return "Gfx\\LightPaint\\Shapes\\Splash" + std::to_string(k) + ".bmp";
}

std::string SplashMaskPath(int k) {
  return "Gfx\\LightPaint\\Shapes\\SplashMask" + std::to_string(k) + ".bmp";
}

}  // namespace lightpaint
