// The twelve Scratch scenes: their folders, sounds, sprite tables and scripts.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "games/scratch/sprite_table.h"

namespace scratch {

// One sprite of a scene's table. A still picture has frameCount 0 and one frame of the
// picture's size.
struct SpriteSpec {
  const char* name;
  const char* picture;  // file name in the scene's folder, without ".bmp"
  int frameCount;
  int frameWidth;
  int frameHeight;
  int frameDuration;  // ms per frame
  int startFrame;
  double x;  // start place; scenes with random places set theirs in `place`
  double y;
  bool shown;
  bool reverse = false;
  int pictureWidth = 0;  // when the strip holds more frames than it uses
};

struct SceneSpec {
  const char* folder;
  const char* sound;
  bool loop;
  std::vector<SpriteSpec> sprites;
  // Random start places, drawn when the scene is loaded (nullptr: the table's places).
  void (*place)(SpriteTable& sprites);
  // The first motions when the scene comes alive.
  void (*start)(ScriptStep& step);
  // One animation step; Ended when the scene is over.
  StepResult (*step)(ScriptStep& step);
};

constexpr int kSceneCount = 12;

const std::array<SceneSpec, kSceneCount>& SceneTable();

// "Gfx\Scratch\Space\Space.bmp"
std::string BackgroundPath(const SceneSpec& scene);
// "Gfx\Scratch\Space\Rock.bmp" and "Gfx\Scratch\Space\RockMask.bmp"
std::string SpritePicturePath(const SceneSpec& scene, const SpriteSpec& sprite);
std::string SpriteMaskPath(const SceneSpec& scene, const SpriteSpec& sprite);
// "Sfx\Scratch\Space.wav"
std::string SoundPath(const SceneSpec& scene);

}  // namespace scratch
