// Every frame of an animation strip shows something a child can see change: no two frames of a
// strip are the same picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"

namespace {

namespace fs = std::filesystem;
using forge::Entry;
using forge::Kind;

const fs::path kProgramDir = KIDPLAY_DIR;
const fs::path kAssetsDir = fs::path(KIDPLAY_SOURCE_DIR) / "assets";

// Frames the program never shows, which may repeat another: the helicopter's rotor comes round
// again in its tenth frame, of which the Scratch game plays only the first nine.
const std::set<std::pair<std::string, int>> kNeverShown = {{"Gfx/Scratch/Racing/Chopper.bmp", 9}};

bool ForgeRan() {
  std::ifstream cache(kProgramDir / "CMakeCache.txt");
  std::stringstream text;
  text << cache.rdbuf();
  return text.str().find("KIDPLAY_ASSETS:BOOL=OFF") == std::string::npos;
}

// The pixels of frame `f` of a strip `width` pixels a frame, row by row.
std::vector<std::uint32_t> Frame(const assettest::Bmp& strip, int width, int f) {
  std::vector<std::uint32_t> out;
  out.reserve(static_cast<size_t>(width) * strip.height);
  for (int y = 0; y < strip.height; ++y) {
    const auto row = strip.rgb.begin() + static_cast<long>(y) * strip.width + f * width;
    out.insert(out.end(), row, row + width);
  }
  return out;
}

TEST(BuiltStrips, NoTwoShownFramesAreAlike) {
  if (!ForgeRan()) GTEST_SKIP() << "this build folder does not run the forge";
  int strips = 0;
  for (const Entry& e : forge::ReadManifestFile(kAssetsDir)) {
    if (e.kind != Kind::Strip || e.frames < 2) continue;
    SCOPED_TRACE(e.path);
    auto bytes = assettest::ReadFile(kProgramDir / e.path);
    ASSERT_TRUE(bytes) << "missing";
    std::string why;
    auto strip = assettest::ParseBmp24(*bytes, why);
    ASSERT_TRUE(strip && strip->width == e.width * e.frames) << why;
    std::vector<std::vector<std::uint32_t>> frames;
    for (int f = 0; f < e.frames; ++f) {
      if (kNeverShown.count({e.path, f})) continue;
      frames.push_back(Frame(*strip, e.width, f));
      for (size_t g = 0; g + 1 < frames.size(); ++g) {
        EXPECT_NE(frames[g], frames.back()) << "frame " << f << " repeats an earlier frame";
      }
    }
    ++strips;
  }
  EXPECT_GT(strips, 40);
}

}  // namespace
