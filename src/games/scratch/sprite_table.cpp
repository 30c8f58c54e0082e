#include "games/scratch/sprite_table.h"

namespace scratch {

using GameUtil::Sprite;

void MoveSprite(Sprite& sprite, double dt) {
  if (sprite.vx == 0 && sprite.vy == 0) return;
  sprite.x += sprite.vx * dt;
  sprite.y += sprite.vy * dt;
}

void StepFrame(Sprite& sprite, std::int32_t now) {
  if (sprite.frameCount <= 0 || sprite.visible != GameUtil::True) return;
  if (GameUtil::ElapsedMs(now, sprite.lastFrameTime) <= sprite.frameDuration) return;
  if (sprite.reverse == GameUtil::True) {
    if (--sprite.frame < 0) sprite.frame = sprite.frameCount - 1;
  } else {
    if (++sprite.frame > sprite.frameCount - 1) sprite.frame = 0;
  }
  sprite.lastFrameTime = now;
}

int FindSprite(const SpriteTable& sprites, std::string_view name) {
  int found = -1;
  for (int i = 0; i < kSpriteSlots; ++i) {
    if (sprites[i].name == name) found = i;
  }
  return found;
}

Sprite* ScriptStep::Find(std::string_view name) {
  const int index = FindSprite(sprites, name);
  if (index < 0) {
    if (reportMissing) reportMissing();
    return nullptr;
  }
  return &sprites[index];
}

bool ScriptStep::Passed(int slot, std::int32_t time) const {
  return GameUtil::ElapsedMs(time, timers[slot]) > 0;
}

void ScriptStep::Arm(int slot, std::int32_t ms) {
  timers[slot] =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(clock) + static_cast<std::uint32_t>(ms));
}

void ScriptStep::Stamp(const Sprite& sprite) const {
  if (stamp) stamp(sprite);
}

}  // namespace scratch
