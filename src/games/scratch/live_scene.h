// A loaded scene as it lives through one game: its sprite table filled from the scene table,
// its first motions, and one script step at a time.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "games/scratch/scene_table.h"
#include "games/scratch/sprite_table.h"

namespace scratch {

class LiveScene {
 public:
  // Loads one picture pair (picture path, mask path) and gives its two surfaces.
  using Loader =
      std::function<std::pair<std::int32_t, std::int32_t>(const std::string&, const std::string&)>;
  using Stamp = std::function<void(const GameUtil::Sprite&)>;
  using Report = std::function<void()>;

  // Fills entries 0, 1, ... with the scene's sprites in table order (empty entries after them),
  // with their pictures, frames, names, start places and shown flags; phase 0. An index outside
  // 0-11 leaves the table empty.
  void Load(int scene, const Loader& loader);
  // The scene comes alive: the deadline slots lie just before `clock`, and the sprites get their
  // first motions (Space and Ocean reseed the random generator from the clock first).
  void Start(std::int32_t clock, const Report& report);
  // One script step after the sprites have moved and stepped their frames.
  StepResult Animate(double dt, std::int32_t lastStepTime, std::int32_t clock, const Stamp& stamp,
                     const Report& report);
  // Hides every entry and hands each surface to `free` (which zeroes it).
  void Free(const std::function<void(std::int32_t&)>& free);

  // Every entry: moved over dt seconds, then its frame stepped at `now`.
  void Advance(double dt, std::int32_t now);

  int scene() const { return scene_; }
  SpriteTable& sprites() { return sprites_; }
  const SpriteTable& sprites() const { return sprites_; }
  std::int32_t phase() const { return phase_; }
  const SceneTimers& timers() const { return timers_; }

 private:
  ScriptStep MakeStep(double dt, std::int32_t lastStepTime, std::int32_t clock, const Stamp& stamp,
                      const Report& report);

  SpriteTable sprites_;
  std::int32_t phase_ = 0;
  SceneTimers timers_{};
  int scene_ = -1;
  // A missing sprite name is reported once per game, not on every step.
  bool reported_ = false;
};

}  // namespace scratch
