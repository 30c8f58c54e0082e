// The Scratch pictures as the build made them: every animation strip's frames really change
// from one to the next, and none is empty.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/scenario/scenario.h"

namespace {

struct Strip {
  std::string path;
  int width = 0, height = 0, frames = 0;
};

std::vector<Strip> Strips() {
  std::ifstream in(std::string(KIDPLAY_SOURCE_DIR) + "/assets/scratch/manifest.txt");
  std::vector<Strip> strips;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string path, kind, size;
    if (!(words >> path >> kind >> size) || kind != "strip") continue;
    Strip s;
    s.path = path;
    if (std::sscanf(size.c_str(), "%dx%d*%d", &s.width, &s.height, &s.frames) == 3) {
      strips.push_back(s);
    }
  }
  return strips;
}

TEST(ScratchFiles, EveryStripAnimatesFrameByFrame) {
  const auto strips = Strips();
  ASSERT_GE(strips.size(), 15u);
  for (const Strip& strip : strips) {
    const auto picture = scenario::Picture(strip.path);
    const auto mask = scenario::Picture(strip.path.substr(0, strip.path.size() - 4) + "Mask.bmp");
    ASSERT_EQ(picture.width(), strip.width * strip.frames) << strip.path;
    ASSERT_EQ(mask.width(), picture.width()) << strip.path;
    // The helicopter's strip holds a spare tenth frame; the game uses nine.
    const int used = strip.path.find("Chopper") != std::string::npos ? 9 : strip.frames;
    for (int f = 0; f < used; ++f) {
      const int next = (f + 1) % used;
      int opaque = 0, changed = 0;
      for (int y = 0; y < strip.height; ++y) {
        for (int x = 0; x < strip.width; ++x) {
          const int a = f * strip.width + x, b = next * strip.width + x;
          opaque += platform::GetPixel(mask, a, y) == 0;
          changed += platform::GetPixel(picture, a, y) != platform::GetPixel(picture, b, y) ||
                     platform::GetPixel(mask, a, y) != platform::GetPixel(mask, b, y);
        }
      }
      EXPECT_GT(opaque, 100) << strip.path << " frame " << f << " is empty";
      EXPECT_GT(changed, 20) << strip.path << " frames " << f << " and " << next << " look alike";
    }
  }
}

}  // namespace
