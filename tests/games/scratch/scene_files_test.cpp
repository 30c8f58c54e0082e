// The scene table held against the art's manifest: every picture the scenes load is made, at
// exactly the size and frame count the table gives.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "games/scratch/scene_table.h"

namespace {

struct Entry {
  std::string kind;
  std::string size;
};

// Program path (backslashes, as the game names it) -> kind and size, from the Scratch manifest.
std::map<std::string, Entry> ReadManifest() {
  std::ifstream in(std::string(KIDPLAY_SOURCE_DIR) + "/assets/scratch/manifest.txt");
  std::map<std::string, Entry> entries;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line);
    std::string path, kind, size;
    if (!(words >> path >> kind >> size) || path[0] == '#') continue;
    for (char& c : path) c = c == '/' ? '\\' : c;
    entries[path] = {kind, size};
  }
  return entries;
}

TEST(ScratchSceneFiles, EveryPictureAndSoundOfTheSceneTableIsMadeAtItsSize) {
  const auto manifest = ReadManifest();
  ASSERT_GT(manifest.size(), 50u);
  for (const scratch::SceneSpec& scene : scratch::SceneTable()) {
    const auto background = manifest.find(scratch::BackgroundPath(scene));
    ASSERT_NE(background, manifest.end()) << scene.folder;
    EXPECT_EQ(background->second.kind, "picture");
    EXPECT_EQ(background->second.size, "800x600");
    const auto sound = manifest.find(scratch::SoundPath(scene));
    ASSERT_NE(sound, manifest.end()) << scene.folder;
    EXPECT_TRUE(sound->second.kind == "sound" || sound->second.kind == "music");
    for (const scratch::SpriteSpec& s : scene.sprites) {
      const std::string path = scratch::SpritePicturePath(scene, s);
      EXPECT_EQ(scratch::SpriteMaskPath(scene, s), path.substr(0, path.size() - 4) + "Mask.bmp");
      const auto entry = manifest.find(path);
      ASSERT_NE(entry, manifest.end()) << path;
      const std::string frame = std::to_string(s.frameWidth) + "x" + std::to_string(s.frameHeight);
      if (s.frameCount == 0) {
        EXPECT_EQ(entry->second.kind, "sprite") << path;
        EXPECT_EQ(entry->second.size, frame) << path;
      } else {
        const int frames = s.pictureWidth > 0 ? s.pictureWidth / s.frameWidth : s.frameCount;
        EXPECT_GE(frames, s.frameCount) << path;
        EXPECT_EQ(entry->second.kind, "strip") << path;
        EXPECT_EQ(entry->second.size, frame + "*" + std::to_string(frames)) << path;
      }
    }
  }
}

// The options dialog names its scene pictures by number at run time (its other pictures are
// whole names in the code, which the assets tests hold against the manifest).
TEST(ScratchSceneFiles, TheOptionsHaveAPictureForEveryScene) {
  const auto manifest = ReadManifest();
  for (int i = 0; i <= 12; ++i) {
    EXPECT_EQ(manifest.count("Gfx\\Scratch\\ScenarioIcon" + std::to_string(i) + ".bmp"), 1u) << i;
  }
}

}  // namespace
