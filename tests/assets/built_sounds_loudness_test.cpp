// Every sound the build made is as loud as the others of its kind, so that a family never has to
// reach for the volume between games, and none of them clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../assets/forge/loudness.h"
#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"

namespace {

namespace fs = std::filesystem;
using forge::Entry;
using forge::Kind;

const fs::path kProgramDir = KIDPLAY_DIR;
const fs::path kAssetsDir = fs::path(KIDPLAY_SOURCE_DIR) / "assets";

// Short effects (a click, a pop, a cry) sit a little above everything longer (music, jingles,
// scene sounds, the train's run), since the ear hears a short sound as softer than a long one
// of the same level. Loudness in dB as the forge measures it (loudness.h).
struct Band {
  const char* kind;
  double low, high;
};
constexpr double kEffectSeconds = 1.0;
constexpr Band kEffects{"short effect", -19.5, -16.5};
constexpr Band kLonger{"music or scene sound", -22.5, -19.5};

// The one file that is silent by design.
constexpr const char* kSilence = "Sfx/Silence.wav";

bool ForgeRan() {
  std::ifstream cache(kProgramDir / "CMakeCache.txt");
  std::stringstream text;
  text << cache.rdbuf();
  return text.str().find("KIDPLAY_ASSETS:BOOL=OFF") == std::string::npos;
}

TEST(BuiltSounds, EveryOneIsInItsLoudnessBandAndNoneClips) {
  if (!ForgeRan()) GTEST_SKIP() << "this build folder does not run the forge";
  int checked = 0;
  for (const Entry& e : forge::ReadManifestFile(kAssetsDir)) {
    if (e.kind != Kind::Sound && e.kind != Kind::Music) continue;
    SCOPED_TRACE(e.path);
    auto bytes = assettest::ReadFile(kProgramDir / e.path);
    ASSERT_TRUE(bytes) << "missing";
    std::string why;
    auto wav = assettest::ParseWav(*bytes, why);
    ASSERT_TRUE(wav && wav->bits == 16) << why;
    const std::vector<std::int16_t> samples = assettest::Samples16(*bytes, *wav);

    // A sample at full scale is a clipped one.
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_TRUE(*low > -32767 && *high < 32767) << "clips: " << *low << ".." << *high;

    const double loudness = forge::Loudness(samples, wav->channels, wav->rate);
    if (e.path == kSilence) {
      EXPECT_EQ(loudness, -100);
      continue;
    }
    const double seconds = static_cast<double>(wav->frames) / wav->rate;
    const Band& band = seconds < kEffectSeconds ? kEffects : kLonger;
    EXPECT_TRUE(loudness >= band.low && loudness <= band.high)
        << "a " << band.kind << " of " << seconds << " s at " << loudness << " dB, outside "
        << band.low << ".." << band.high;
    ++checked;
  }
  EXPECT_GT(checked, 80);
}

}  // namespace
