// The painting board's rules that need no window: places, widths, wrap-around, colours, stamps
// and the files a saved painting goes to.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

#include "games/lightpaint/paint_layout.h"
#include "games/lightpaint/paint_pictures.h"
#include "platform/image_file.h"

namespace lightpaint {
namespace {

namespace fs = std::filesystem;

TEST(PaintLayout, TheToolStripLiesWhereTheBoardPutsItWithTheWidthsInFrame1) {
  // name, x, width: all at y = 535, 41 high.
  const std::vector<std::tuple<std::string, int, int>> expected = {
      {"undoBtn", 30, 41},        {"leftShapeBtn", 90, 41},   {"shapeBtn", 130, 41},
      {"rightShapeBtn", 170, 41}, {"leftBgBtn", 220, 41},     {"bgBtn", 260, 41},
      {"rightBgBtn", 300, 41},    {"fillAreaFrame", 350, 41}, {"fillFrame", 400, 41},
      {"eraserFrame", 450, 41},   {"Frame1", 500, 137},       {"printBtn", 657, 41},
  };
  const std::vector<Place> strip = ToolStripLayout();
  ASSERT_EQ(strip.size(), expected.size());
  for (std::size_t i = 0; i < strip.size(); ++i) {
    const auto& [name, x, width] = expected[i];
    EXPECT_EQ(strip[i].name, name);
    EXPECT_EQ(strip[i].x, x) << name;
    EXPECT_EQ(strip[i].width, width) << name;
    EXPECT_EQ(strip[i].y, 535) << name;
    EXPECT_EQ(strip[i].height, 41) << name;
  }
  // The three width options fill Frame1 side by side without touching each other.
  const Place& frame1 = strip[10];
  for (int i = 0; i < 3; ++i) {
    const Place w = DrawWidthButtonPlace(frame1, i);
    EXPECT_GE(w.x, frame1.x);
    EXPECT_LE(w.x + w.width, frame1.x + frame1.width);
    if (i > 0) {
      EXPECT_GT(w.x, DrawWidthButtonPlace(frame1, i - 1).x + 40);
    }
    // The pen's widths, and the rainbow's.
    EXPECT_EQ(DrawWidthFor(i, false), 5 * (i + 1));
    EXPECT_EQ(DrawWidthFor(i, true), 40 + 10 * i);
  }
}

TEST(PaintLayout, TheColourColumnHoldsNineColoursAndTheSplash) {
  for (int i = 0; i < kColourButtons; ++i) {
    const Place p = ColourButtonPlace(i);
    EXPECT_EQ(p.x, 6);
    EXPECT_EQ(p.y, 50 * i + 5);
    EXPECT_EQ(p.width, 41);
    EXPECT_EQ(p.height, 41);
  }
  const Place splash = SplashButtonPlace();
  EXPECT_EQ(splash.x, 6);
  EXPECT_GT(splash.y, ColourButtonPlace(8).y + 41);
  EXPECT_LE(splash.y + splash.height, 500);
}

TEST(PaintLayout, TheCanvasEdgesForMovesAndClicks) {
  struct Case {
    int x, y;
    bool move, click;
  } cases[] = {{70, 0, true, false},   {71, 0, true, true},      {799, 499, true, true},
               {69, 10, false, false}, {400, 500, false, false}, {300, 499, true, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(OnCanvas(c.x, c.y), c.move) << c.x << "," << c.y;
    EXPECT_EQ(ClickOnCanvas(c.x, c.y), c.click) << c.x << "," << c.y;
  }
}

TEST(PaintLayout, ShapeAndBackgroundIndexesWrapAround) {
  struct Case {
    int index, step, count, expected;
  } cases[] = {{0, -1, 16, 15},  {15, 1, 16, 0},  {7, 1, 16, 8},     {7, -1, 16, 6},
               {0, -1, 100, 99}, {99, 1, 100, 0}, {50, -1, 100, 49}, {98, 1, 100, 99}};
  for (const Case& c : cases) EXPECT_EQ(StepIndex(c.index, c.step, c.count), c.expected);
}

TEST(PaintLayout, TheChooserOffersEveryStartingColourAmongAtLeastFortyEight) {
  const auto colours = ChooserColours();
  EXPECT_GE(colours.size(), 48u);
  EXPECT_EQ(colours.size() % kChooserColumns, 0u);
  EXPECT_EQ(std::set<platform::Colour>(colours.begin(), colours.end()).size(), colours.size());
  for (platform::Colour c : StartingPalette())
    EXPECT_NE(std::find(colours.begin(), colours.end(), c), colours.end()) << std::hex << c;
}

TEST(PaintStamps, TheSizeIsMeasuredOnTheRealShapeFiles) {
  std::set<std::pair<int, int>> sizes;
  for (int i = 0; i < kShapeCount; ++i) {
    std::string path = ShapeImagePath(i);
    std::replace(path.begin(), path.end(), '\\', '/');
    const auto picture = platform::LoadBmp((fs::path(KIDPLAY_DIR) / path).string());
    ASSERT_TRUE(picture) << path;
    const StampSize size = MeasureStamp(*picture);
    EXPECT_EQ(size.width, picture->width()) << path;
    EXPECT_EQ(size.height, picture->height()) << path;
    EXPECT_GE(std::max(size.width, size.height), 50) << path;
    EXPECT_LE(std::max(size.width, size.height), 140) << path;
    sizes.insert({size.width, size.height});
  }
  EXPECT_GT(sizes.size(), 30u);  // the shapes come in many sizes
  EXPECT_EQ(MeasureStamp(platform::Surface()).width, 0);
}

// A colour stamp tints all but the black pixels; a random colour uses every component drawn.
TEST(PaintStamps, ColourStampTintsAllButTheBlackPixelsAndRandomColoursUseEveryDraw) {
  platform::Surface s(3, 1, 0);
  s.row(0)[1] = platform::ToPixel(platform::kWhite);
  s.row(0)[2] = platform::ToPixel(platform::Rgb(10, 20, 30));
  ColourStamp(s, platform::Rgb(200, 0, 100));
  EXPECT_EQ(platform::GetPixel(s, 0, 0), 0);
  EXPECT_EQ(platform::GetPixel(s, 1, 0), platform::Rgb(200, 0, 100));
  EXPECT_EQ(platform::GetPixel(s, 2, 0), platform::Rgb(200, 0, 100));
  float draws[] = {0.0f, 0.5f, 0.9999f};
  int n = 0;
  EXPECT_EQ(RandomColour([&] { return draws[n++]; }), platform::Rgb(0, 127, 254));
}

// A folder of its own for each test, removed afterwards.
struct TempFolder {
  fs::path path;
  TempFolder() {
    static int counter = 0;
    path = fs::temp_directory_path() /
           ("kidplay-paint-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~TempFolder() { fs::remove_all(path); }
};

TEST(PaintFiles, ThePicturesFolderComesFromTheEnvironmentTheUserDirsOrHome) {
  TempFolder t;
  std::map<std::string, std::string> env;
  auto lookup = [&](const char* name) -> std::optional<std::string> {
    auto it = env.find(name);
    if (it == env.end()) return std::nullopt;
    return it->second;
  };
  env["HOME"] = "/home/kid";
  EXPECT_EQ(PaintingsFolder(lookup), fs::path("/home/kid/Pictures/Kidplay"));
  env["XDG_CONFIG_HOME"] = t.path.string();
  std::ofstream(t.path / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                              "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                              "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
  EXPECT_EQ(PaintingsFolder(lookup), fs::path("/home/kid/Bilder/Kidplay"));
  // A pictures folder set to the home folder itself means it is not set up.
  std::ofstream(t.path / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/\"\n";
  EXPECT_EQ(PaintingsFolder(lookup), fs::path("/home/kid/Pictures/Kidplay"));
  env["XDG_PICTURES_DIR"] = "/data/pics";
  EXPECT_EQ(PaintingsFolder(lookup), fs::path("/data/pics/Kidplay"));
}

TEST(PaintFiles, SavedPaintingsAreRealPngsAndNeverOverwriteEachOther) {
  TempFolder t;
  platform::Surface picture(730, 500, 0x123456);
  platform::SetPixel(picture, 729, 499, platform::Rgb(255, 0, 0));
  std::tm when{};
  when.tm_year = 124;
  when.tm_mon = 4;
  when.tm_mday = 1;
  when.tm_hour = 14;
  when.tm_min = 3;
  when.tm_sec = 9;
  const fs::path folder = t.path / "Pictures" / "Kidplay";
  std::string error;
  const auto first = SavePainting(picture, folder, when, &error);
  const auto second = SavePainting(picture, folder, when, &error);
  ASSERT_TRUE(first && second) << error;
  EXPECT_EQ(first->filename(), "Painting 2024-05-01 14-03-09.png");
  EXPECT_EQ(second->filename(), "Painting 2024-05-01 14-03-09 (2).png");
  const auto back = platform::LoadPng(second->string());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width(), 730);
  EXPECT_EQ(back->height(), 500);
  EXPECT_TRUE(std::equal(back->data(), back->data() + 730 * 500, picture.data()));

  // A folder that cannot be made: nothing written, and a reason.
  std::ofstream(t.path / "file") << "x";
  error.clear();
  EXPECT_FALSE(SavePainting(picture, t.path / "file" / "Kidplay", when, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace lightpaint
