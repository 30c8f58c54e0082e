// The Scratch scene sounds as the build made them: long enough to accompany a scene, and the
// looping ones join without a click. (Strip frames, loudness and clipping are checked for every
// built file by the assets tests.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/wav.h"

namespace {

TEST(ScratchFiles, SceneSoundsLastAndLoopsJoinWithoutAClick) {
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
