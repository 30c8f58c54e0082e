// The Scratch pictures and sounds as the build made them: every animation strip's frames really
// change from one to the next and none is empty; the scene sounds are heard, never clip, and the
// looping ones join without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/wav.h"
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

TEST(ScratchFiles, SceneSoundsAreHeardAndLoopsJoinWithoutAClick) {
  struct Sound {
    const char* name;
    bool loops;
  };
  const Sound sounds[] = {{"Space", false},      {"Ocean", true},      {"Jungle", false},
                          {"Airport", false},    {"Castle", false},    {"Racing", true},
                          {"Firestation", true}, {"Dollhouse", false}, {"Road", false},
                          {"Christmas", false},  {"Cornfield", true},  {"Harbor", false}};
  for (const Sound& sound : sounds) {
    const auto clip =
        platform::LoadWavFile(std::string(KIDPLAY_DIR) + "/Sfx/Scratch/" + sound.name + ".wav");
    ASSERT_TRUE(clip.has_value()) << sound.name;
    const auto& s = clip->samples;
    int peak = 0;
    for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    // Heard at all; how loud each sound is beside the others the assets' loudness check holds
    // (a bright siren reaches its loudness with lower peaks than a booming horn).
    EXPECT_GT(peak, 32768 / 8) << sound.name << " is too quiet";
    EXPECT_LT(peak, 32000) << sound.name << " clips";
    EXPECT_GE(clip->lengthMs, 2000) << sound.name;
    if (!sound.loops) continue;
    // The end dies away and the start begins from silence, so no step where they meet.
    for (std::size_t i = 0; i < 64; ++i) {
      EXPECT_LT(std::abs(s[s.size() - 1 - i]), 300) << sound.name << " ends loud";
    }
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_LT(std::abs(s[i]), 100) << sound.name << " starts with a step";
    }
  }
}

}  // namespace
