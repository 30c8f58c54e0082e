// Light paint played through replay scripts: strokes and undo, widths, fills on a colouring
// page, stamps and their preview, backgrounds and the eraser, the colour chooser, saving the
// painting, and the pictures freed on the way back to the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "gameutil/numeric.h"
#include "platform/image_file.h"
#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

// The painting board is shown at 10600.
const std::string kOpen = Open(Game::LightPaint);

// Control centres: the colour column and the tool strip.
std::string Colour(int i) {
  return "click 26 " + std::to_string(50 * i + 25) + "\nwait 20\n";
}
constexpr int kStripY = 555;
std::string Tool(int x) {
  return "click " + std::to_string(x) + " " + std::to_string(kStripY) + "\nwait 20\n";
}
const std::string kUndo = Tool(50);
const std::string kLeftShape = Tool(110);
const std::string kShape = Tool(150);
const std::string kRightShape = Tool(190);
const std::string kLeftBg = Tool(240);
const std::string kBg = Tool(280);
const std::string kRightBg = Tool(320);
const std::string kFillArea = Tool(370);
const std::string kFillAll = Tool(420);
const std::string kEraser = Tool(470);
const std::string kPrint = Tool(677);
std::string Width(int i) {
  return Tool(520 + 48 * i);
}
const std::string kSplash = "click 26 475\nwait 20\n";

// A drag from (x0, y) to (x1, y) in steps of 10 pixels.
std::string Drag(int x0, int x1, int y) {
  std::string s = "move " + std::to_string(x0) + " " + std::to_string(y) + "\ndown\n";
  for (int x = x0 + 10; x <= x1; x += 10)
    s += "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
  return s + "up\nwait 20\n";
}

bool SameCanvas(const platform::Surface& a, const platform::Surface& b) {
  return SameRegion(a, b, 70, 0, 730, 500);
}

std::int64_t At(const platform::Surface& s, int x, int y) {
  return platform::GetPixel(s, x, y);
}

// How many pixels of column x between y0 and y1 are not white.
int PaintedInColumn(const platform::Surface& s, int x, int y0, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y) n += At(s, x, y) != platform::kWhite;
  return n;
}

// Then the colour chooser, opened on the red button by a double click, changes the button and
// the pen only when confirmed.
TEST(LightPaint, AStrokeIsTakenBackByBackspaceWidthsFollowTheColourAndTheChooserConfirms) {
  Scenario s;
  // The chooser (440 x 415) sits at (180, 92); swatch i at 25 + 50 (i % 8), 25 + 50 (i / 8).
  auto swatch = [](int i) { return Click(180 + 45 + 50 * (i % 8), 92 + 45 + 50 * (i / 8)); };
  const std::string ok = Click(335, 455, 50), cancel = Click(465, 455, 50);
  const Result r = s.Run(
      kOpen + "shot start.png\n" + Drag(200, 300, 100) +
      "shot stroke.png\nkey Backspace\nwait 20\nshot undo1.png\nkey Backspace\nwait 20\n"
      "shot undo2.png\n" +
      Width(0) + Drag(150, 250, 300) + Colour(8) + Width(2) + Drag(400, 600, 300) + Colour(2) +
      "click 700 450\nwait 20\nshot widths.png\n" + "dblclick 26 125\nwait 50\nshot chooser.png\n" +
      swatch(17) + ok + Drag(200, 300, 400) + "shot ok.png\n" + "dblclick 26 125\nwait 50\n" +
      swatch(24) + cancel + Drag(200, 300, 460) + "shot cancelled.png\nkey Escape\nwait 50\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.trace, "show LightPaintForm"));
  const auto start = s.Shot("start.png");
  EXPECT_FALSE(SameCanvas(start, s.Shot("stroke.png")));
  EXPECT_EQ(At(s.Shot("stroke.png"), 250, 100), platform::kBlack);
  // The whole screen is as it was before the stroke; a second Backspace changes nothing.
  EXPECT_TRUE(SameRegion(start, s.Shot("undo1.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(s.Shot("undo1.png"), s.Shot("undo2.png"), 0, 0, 800, 600));

  const auto widths = s.Shot("widths.png");
  const int thin = PaintedInColumn(widths, 200, 250, 350);
  EXPECT_GE(thin, 5);
  EXPECT_LE(thin, 6);
  const int rainbow = PaintedInColumn(widths, 500, 230, 370);
  EXPECT_GE(rainbow, 60);
  EXPECT_LE(rainbow, 61);
  std::set<std::int64_t> colours;
  for (int x = 400; x <= 600; x += 5) colours.insert(At(widths, x, 300));
  EXPECT_GT(colours.size(), 5u);  // a new colour at every step
  // A click is a single pixel in the pen colour.
  EXPECT_EQ(At(widths, 700, 450), platform::Rgb(255, 0, 0));
  for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
    EXPECT_EQ(At(widths, 700 + dx, 450 + dy), platform::kWhite);
  EXPECT_TRUE(Contains(r.trace, "unload LightPaintForm"));

  EXPECT_EQ(Count(r.trace, "show ColourChooser"), 2);
  EXPECT_EQ(Count(r.trace, "unload ColourChooser"), 2);
  // The current colour (red, swatch 0) is framed; green (swatch 17) is not.
  const auto chooser = s.Shot("chooser.png");
  EXPECT_TRUE(Ringed(chooser, 180 + 25 - 3, 92 + 25 - 3));
  EXPECT_FALSE(Ringed(chooser, 180 + 75 - 3, 92 + 125 - 3));
  const platform::Colour green = platform::Rgb(0, 200, 0);
  const auto confirmed = s.Shot("ok.png");
  EXPECT_EQ(At(confirmed, 26, 125), green);   // the button's face
  EXPECT_EQ(At(confirmed, 250, 400), green);  // and the pen
  const auto cancelled = s.Shot("cancelled.png");
  EXPECT_EQ(At(cancelled, 26, 125), green);
  EXPECT_EQ(At(cancelled, 250, 460), green);
}

TEST(LightPaint, ColouringPageFillsEraserFillButtonAndUndoButton) {
  Scenario s;
  std::string erase = "move 330 140\ndown\n";
  for (int x = 330; x <= 460; x += 10) erase += "move " + std::to_string(x) + " 140\n";
  erase += "up\nwait 20\n";
  const Result r =
      s.Run(kOpen + kBg + "shot bg.png\n" + kFillArea + Colour(2) +
            "click 156 55\nwait 20\nshot filled.png\n" + Width(1) + Colour(1) +
            Drag(320, 470, 150) + "shot painted.png\n" + kEraser + erase + "shot erased.png\n" +
            kFillAll + "shot all.png\n" + kUndo + "shot undone.png\n");
  EXPECT_TRUE(Contains(r.trace, "sound 1 1 Sfx\\Lightpaint\\Background.wav"));
  platform::Surface page = Picture("Gfx/LightPaint/Backgrounds/bgImage0.bmp");
  const auto bg = s.Shot("bg.png");
  EXPECT_TRUE(SameRegion(
      bg,
      [&] {
        platform::Surface screen = bg;
        platform::Blit(screen, 70, 0, 730, 500, page, 0, 0, platform::Rop::Copy);
        return screen;
      }(),
      70, 0, 730, 500));

  // One click fills the sun's face and nothing outside it.
  platform::Surface expected = page;
  platform::FloodFill(expected, 86, 55, platform::kWhite, platform::Rgb(255, 0, 0));
  const auto filled = s.Shot("filled.png");
  int changed = 0;
  for (int y = 0; y < 500; ++y) {
    for (int x = 0; x < 730; ++x) {
      ASSERT_EQ(At(filled, x + 70, y), At(expected, x, y)) << x << "," << y;
      changed += At(expected, x, y) != At(page, x, y);
    }
  }
  EXPECT_GT(changed, 500);
  EXPECT_LT(changed, 90 * 90);

  // The eraser uncovers the background under the stroke.
  EXPECT_EQ(At(s.Shot("painted.png"), 400, 150), platform::kBlack);
  const auto erased = s.Shot("erased.png");
  for (int x = 340; x < 480; x += 3) EXPECT_EQ(At(erased, x, 150), At(page, x - 70, 150)) << x;

  // The fill button covers the canvas in the chosen colour; the undo button takes it back.
  const auto all = s.Shot("all.png");
  for (int y = 0; y < 500; y += 25) {
    for (int x = 70; x < 800; x += 25) ASSERT_EQ(At(all, x, y), platform::kBlack) << x << "," << y;
  }
  EXPECT_TRUE(SameCanvas(erased, s.Shot("undone.png")));
}

TEST(LightPaint, SplashAndShapeStampsLandWhereClickedAndThePreviewLeavesNoTrace) {
  Scenario s;
  const Result r = s.Run(kOpen + "shot start.png\n" + Colour(2) + kSplash +
                         "click 300 250\nwait 20\nmove 30 300\nwait 20\nshot splash.png\n"
                         "move 500 250\nwait 20\nshot hover.png\nmove 30 300\nwait 20\n"
                         "shot gone.png\n" +
                         kRightShape + kRightShape + kRightShape + kShape +
                         "click 600 300\nwait 20\nmove 30 300\nwait 20\nshot shape.png\n"
                         "key Backspace\nwait 20\nmove 200 400\nwait 20\nmove 30 300\nwait 20\n"
                         "shot undone.png\n");
  EXPECT_EQ(Count(r.trace, "sound 1 1 Sfx\\Lightpaint\\Splash.wav"), 1);
  EXPECT_EQ(Count(r.trace, "sound 1 1 Sfx\\Lightpaint\\Default.wav"), 1);
  const auto start = s.Shot("start.png");
  const auto splash = s.Shot("splash.png");
  int red = 0;
  bool outside = false;
  for (int y = 0; y < 500; ++y) {
    for (int x = 70; x < 800; ++x) {
      const bool isRed = At(splash, x, y) == platform::Rgb(255, 0, 0);
      const bool inBox = x >= 280 && x < 320 && y >= 230 && y < 270;
      red += isRed && inBox;
      if (!inBox && At(splash, x, y) != At(start, x, y)) outside = true;
    }
  }
  EXPECT_GT(red, 400);
  EXPECT_FALSE(outside);
  EXPECT_EQ(At(s.Shot("hover.png"), 500, 250), platform::Rgb(255, 0, 0));
  EXPECT_TRUE(SameCanvas(splash, s.Shot("gone.png")));

  // Shape 3, printed with its mask centred on the click.
  const auto picture = Picture("Gfx/LightPaint/Shapes/ShapeImage3.bmp");
  const auto mask = Picture("Gfx/LightPaint/Shapes/ShapeImage3Mask.bmp");
  platform::Surface expected = splash;
  const int left = static_cast<int>(GameUtil::RoundHalfEven(600 - picture.width() / 2.0));
  const int top = static_cast<int>(GameUtil::RoundHalfEven(300 - picture.height() / 2.0));
  platform::Blit(expected, left, top, mask.width(), mask.height(), mask, 0, 0, platform::Rop::And);
  platform::Blit(expected, left, top, picture.width(), picture.height(), picture, 0, 0,
                 platform::Rop::Paint);
  const auto shape = s.Shot("shape.png");
  EXPECT_TRUE(SameCanvas(shape, expected));
  EXPECT_FALSE(SameCanvas(shape, splash));
  // Undo takes the stamp away for good, also from under the next preview.
  EXPECT_TRUE(SameCanvas(s.Shot("undone.png"), splash));
}

TEST(LightPaint, PrintingSavesTheCanvasAsAPngAndAnUnwritableFolderGivesOneBox) {
  Scenario s;
  const fs::path pictures = s.dir() / "pictures";
  s.SetEnvironment("XDG_PICTURES_DIR", pictures.string());
  const std::string play = kOpen + kBg + Colour(2) + Drag(150, 400, 300) + "shot before.png\n" +
                           kPrint + "shot flash.png\nwait 400\nshot after.png\n";
  const Result r = s.Run(play);
  EXPECT_EQ(Count(r.trace, "sound 1 1 Sfx\\Lightpaint\\Shutter.wav"), 1);
  std::vector<fs::path> saved;
  for (const auto& e : fs::directory_iterator(pictures / "Kidplay")) saved.push_back(e.path());
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].extension(), ".png");
  const auto png = platform::LoadPng(saved[0].string());
  ASSERT_TRUE(png);
  ASSERT_EQ(png->width(), 730);
  ASSERT_EQ(png->height(), 500);
  const auto before = s.Shot("before.png");
  platform::Surface screen = before;
  platform::Blit(screen, 70, 0, 730, 500, *png, 0, 0, platform::Rop::Copy);
  EXPECT_TRUE(SameCanvas(screen, before));
  EXPECT_EQ(At(s.Shot("flash.png"), 300, 300), platform::kWhite);  // the flash
  EXPECT_TRUE(SameRegion(before, s.Shot("after.png"), 0, 0, 800, 600));

  // A pictures folder below a plain file cannot be made: one box, the painting stays.
  std::ofstream(s.dir() / "plain-file") << "not a folder";
  s.SetEnvironment("XDG_PICTURES_DIR", (s.dir() / "plain-file").string());
  const Result failed = s.Run(play + kPrint + "wait 20\nshot again.png\n", 0, {}, "failed");
  EXPECT_EQ(failed.status, 0);
  EXPECT_TRUE(Contains(failed.trace, "end"));
  const int boxes =
      static_cast<int>(std::count_if(failed.trace.begin(), failed.trace.end(),
                                     [](const std::string& l) { return l.rfind("box ", 0) == 0; }));
  EXPECT_EQ(boxes, 2);  // one for each press of the button
  EXPECT_FALSE(Contains(failed.trace, "sound 1 1 Sfx\\Lightpaint\\Shutter.wav"));
  EXPECT_TRUE(
      SameRegion(s.Shot("before.png", "failed"), s.Shot("again.png", "failed"), 0, 0, 800, 600));
}

TEST(LightPaint, ArrowsWrapAroundAndEveryPictureIsFreedOnTheWayBack) {
  Scenario s;
  const std::string play =
      kOpen + kLeftShape + "shot shape99.png\n" + kRightShape + "shot shape0.png\n" + kLeftBg +
      "shot bg15.png\n" + kBg + kRightBg + "shot bg0.png\n" + kSplash + "click 300 200\nwait 20\n" +
      kShape + "click 500 300\nwait 20\nkey Backspace\nwait 20\n" +
      "dblclick 26 225\nwait 50\nkey Escape\nwait 50\n" + kFillArea + "click 400 100\nwait 20\n";
  const Result r = s.Run(play + "key Escape\nwait 100\n" + play + "click 763 563\nwait 100\n");
  // The button shows the icon of the index it stepped to (the picture under its raised edge).
  auto shows = [&](const std::string& shot, int x, const std::string& icon) {
    const auto screen = s.Shot(shot);
    const auto picture = Picture(icon);
    platform::Surface expected = screen;
    platform::Blit(expected, x + 3, 538, 35, 35, picture, 3, 3, platform::Rop::Copy);
    return SameRegion(screen, expected, x + 3, 538, 35, 35);
  };
  EXPECT_TRUE(shows("shape99.png", 130, "Gfx/LightPaint/ShapeIcon99.bmp"));
  EXPECT_TRUE(shows("shape0.png", 130, "Gfx/LightPaint/ShapeIcon0.bmp"));
  EXPECT_TRUE(shows("bg15.png", 260, "Gfx/LightPaint/BgImageIcon15.bmp"));
  EXPECT_TRUE(shows("bg0.png", 260, "Gfx/LightPaint/BgImageIcon0.bmp"));
  const auto canvas = s.Shot("bg0.png");
  const auto scene = Picture("Gfx/LightPaint/Backgrounds/bgImage15.bmp");
  EXPECT_EQ(At(canvas, 400, 10), At(scene, 330, 10));  // background 15 was laid

  EXPECT_EQ(Count(r.trace, "show LightPaintForm"), 2);
  EXPECT_EQ(Count(r.trace, "show ColourChooser"), 2);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
}

}  // namespace
}  // namespace scenario
