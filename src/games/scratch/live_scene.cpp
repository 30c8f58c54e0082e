#include "games/scratch/live_scene.h"

namespace scratch {

using GameUtil::Sprite;

void LiveScene::Load(int scene, const Loader& loader) {
  for (Sprite& s : sprites_) s = Sprite{};
  phase_ = 0;
  reported_ = false;
  scene_ = scene >= 0 && scene < kSceneCount ? scene : -1;
  if (scene_ < 0) return;
  const SceneSpec& spec = SceneTable()[scene_];
  int entry = 0;
  for (const SpriteSpec& s : spec.sprites) {
    if (entry >= kSpriteSlots) break;
    const auto [picture, mask] = loader
                                     ? loader(SpritePicturePath(spec, s), SpriteMaskPath(spec, s))
                                     : std::pair<std::int32_t, std::int32_t>{0, 0};
    const int width =
        s.pictureWidth > 0 ? s.pictureWidth : s.frameWidth * (s.frameCount > 0 ? s.frameCount : 1);
    Sprite& sprite = sprites_[entry++];
    GameUtil::InitSprite(sprite, picture, mask, width, s.frameHeight, 0, 0, s.frameCount,
                         s.frameWidth, s.frameHeight, s.frameDuration, s.startFrame);
    sprite.name = s.name;
    sprite.x = s.x;
    sprite.y = s.y;
    sprite.visible = s.shown ? GameUtil::True : GameUtil::False;
    if (s.reverse) sprite.reverse = GameUtil::True;
  }
  if (spec.place) spec.place(sprites_);
}

ScriptStep LiveScene::MakeStep(double dt, std::int32_t lastStepTime, std::int32_t clock,
                               const Stamp& stamp, const Report& report) {
  auto reportOnce = [this, report] {
    if (reported_) return;
    reported_ = true;
    if (report) report();
  };
  return ScriptStep{.sprites = sprites_,
                    .phase = phase_,
                    .timers = timers_,
                    .dt = dt,
                    .lastStepTime = lastStepTime,
                    .clock = clock,
                    .stamp = stamp,
                    .reportMissing = reportOnce};
}

void LiveScene::Start(std::int32_t clock, const Report& report) {
  if (scene_ < 0) return;
  // Each game's scripts find their deadlines passed, also after a game that was cut short.
  timers_.fill(static_cast<std::int32_t>(static_cast<std::uint32_t>(clock) - 1u));
  ScriptStep step = MakeStep(0, clock, clock, nullptr, report);
  SceneTable()[scene_].start(step);
}

StepResult LiveScene::Animate(double dt, std::int32_t lastStepTime, std::int32_t clock,
                              const Stamp& stamp, const Report& report) {
  if (scene_ < 0) return StepResult::Going;
  ScriptStep step = MakeStep(dt, lastStepTime, clock, stamp, report);
  return SceneTable()[scene_].step(step);
}

void LiveScene::Free(const std::function<void(std::int32_t&)>& free) {
  for (Sprite& s : sprites_) {
    s.visible = GameUtil::False;
    if (free) {
      free(s.imageSurface);
      free(s.maskSurface);
    }
  }
}

void LiveScene::Advance(double dt, std::int32_t now) {
  for (Sprite& s : sprites_) {
    MoveSprite(s, dt);
    StepFrame(s, now);
  }
}

}  // namespace scratch
