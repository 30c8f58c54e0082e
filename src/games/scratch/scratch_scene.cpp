// The scenes on the form: loading a scene's pictures, drawing its still picture, bringing it to
// life and drawing each animation step.
#include <algorithm>

#include "games/scratch/scratch_form.h"
#include "gameutil/numeric.h"

namespace scratch {

using GameUtil::Sprite;
using platform::Rop;

namespace {

// A sprite's current frame, mask AND then picture PAINT, onto a surface.
void CopyFrame(std::int32_t target, const Sprite& s) {
  const int x = GameUtil::NearestInt(s.x);
  const int y = GameUtil::NearestInt(s.y);
  GameUtil::DrawMasked(target, x, y, s.frameWidth, s.frameHeight, s.imageSurface, s.maskSurface,
                       s.frame * s.frameWidth, 0);
}

}  // namespace

std::int16_t ScratchForm::ChooseScene() const {
  if (scenarioIndex_ != kSurpriseScene) return scenarioIndex_;
  // One of the other eleven scenes (any of the twelve the first time).
  if (currentScene_ < 0 || currentScene_ >= kSceneCount) {
    return static_cast<std::int16_t>(GameUtil::RandomRange(0, kSceneCount - 1));
  }
  const auto draw = static_cast<std::int16_t>(GameUtil::RandomRange(0, kSceneCount - 2));
  return static_cast<std::int16_t>(draw >= currentScene_ ? draw + 1 : draw);
}

void ScratchForm::LoadScenario(std::int16_t index) {
  if (index < 0 || index >= kSceneCount) {
    // No scene: no sprites and no script either (the pictures stay as they were).
    scene_.Load(-1, nullptr);
    return;
  }
  const SceneSpec& spec = SceneTable()[index];
  std::int32_t background = GameUtil::GenerateDC(BackgroundPath(spec));
  GameUtil::BitBlt(backgroundSurface_, 0, 0, 800, 600, background, 0, 0, Rop::Copy);
  GameUtil::BitBlt(sceneSurface_, 0, 0, 800, 600, background, 0, 0, Rop::Copy);
  GameUtil::DeleteGeneratedDC(background);
  scene_.Load(index, [this](const std::string& picture, const std::string& mask) {
    const std::int32_t image = LoadSurface(picture);
    return std::pair<std::int32_t, std::int32_t>{image, LoadSurface(mask)};
  });
  DrawSpritesIntoScene();
}

void ScratchForm::DrawSpritesIntoScene() {
  for (const Sprite& s : scene_.sprites()) {
    if (s.visible == GameUtil::True) CopyFrame(sceneSurface_, s);
  }
}

void ScratchForm::StartScenario(std::int16_t index) {
  GameUtil::SetCursorVisible(GameUtil::False);
  if (index < 0 || index >= kSceneCount) return;
  const SceneSpec& spec = SceneTable()[index];
  GameUtil::PlayGameSound(SoundPath(spec), 0, spec.loop ? 9 : 1);
  scene_.Start(GameUtil::GetTimeMs(), [this] { ShowMessage("Sprite index error"); });
}

double ScratchForm::StepSeconds() const {
  return GameUtil::ElapsedMs(stepTime_, lastStepTime_) / 1000.0;
}

void ScratchForm::DrawFrame() {
  GameUtil::BitBlt(Image(), 0, 0, 800, 600, sceneSurface_, 0, 0, Rop::Copy);
  const double dt = StepSeconds();
  const std::int32_t now = GameUtil::GetTimeMs();
  for (Sprite& s : scene_.sprites()) {
    MoveSprite(s, dt);
    GameUtil::DrawSprite(s, Image());
    StepFrame(s, now);
  }
  // The buttons stay where a grown-up can find them while the scene plays.
  DrawButtons();
  Refresh();
}

void ScratchForm::StampIntoScene(const Sprite& sprite) {
  CopyFrame(sceneSurface_, sprite);
}

void ScratchForm::AnimateScenario() {
  const StepResult result = scene_.Animate(
      StepSeconds(), lastStepTime_, GameUtil::GetTimeMs(),
      [this](const Sprite& s) { StampIntoScene(s); },
      [this] { ShowMessage("Sprite index error"); });
  if (result == StepResult::Ended) {
    animating_ = false;
    ResetForm();
  }
}

}  // namespace scratch
