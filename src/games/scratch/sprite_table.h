// The living scene: its table of nine sprites, how they move and step through their frames, and
// what a scene's script sees on each animation step. No drawing here; the form draws.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

#include "gameutil/gameutil.h"

namespace scratch {

constexpr int kSpriteSlots = 9;
using SpriteTable = std::array<GameUtil::Sprite, kSpriteSlots>;

// The scripts' deadline slots (GetTimeMs values): 0 Ocean crab, 1 Ocean bubbles, 2 Castle,
// 3 Dollhouse, 4 Christmas.
constexpr int kTimerSlots = 5;
using SceneTimers = std::array<std::int32_t, kTimerSlots>;

// Moves a sprite by its velocity over dt seconds, shown or not.
void MoveSprite(GameUtil::Sprite& sprite, double dt);
// Steps a shown strip one frame once more than frameDuration ms have passed since its last
// step: forwards with wrap to 0, or backwards with wrap to the last frame when `reverse`.
void StepFrame(GameUtil::Sprite& sprite, std::int32_t now);
// The index of the last entry with exactly this name, or -1.
int FindSprite(const SpriteTable& sprites, std::string_view name);

// One step of a scene's script: the sprite table, the phase and the deadline slots it may
// change, the step's length and times, and the two things it may ask of the form.
struct ScriptStep {
  SpriteTable& sprites;
  std::int32_t& phase;
  SceneTimers& timers;
  double dt = 0;                  // seconds since the previous step
  std::int32_t lastStepTime = 0;  // clock at the previous step
  std::int32_t clock = 0;         // clock now
  // Copies a sprite's current frame into the scene picture, so it stays after the sprite hides.
  std::function<void(const GameUtil::Sprite&)> stamp;
  // FindSprite's "Sprite index error".
  std::function<void()> reportMissing;

  // The named sprite, or nullptr (reported) when the table has none: a script never indexes
  // the table with -1.
  GameUtil::Sprite* Find(std::string_view name);
  // True when `slot`'s deadline lies before `time` (wrap-safe).
  bool Passed(int slot, std::int32_t time) const;
  // Sets `slot`'s deadline `ms` after the clock (wrap-safe).
  void Arm(int slot, std::int32_t ms);
  void Stamp(const GameUtil::Sprite& sprite) const;
};

enum class StepResult { Going, Ended };

}  // namespace scratch
