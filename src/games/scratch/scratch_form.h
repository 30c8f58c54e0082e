// The Scratch game: scratch the silver surface away with the mouse to uncover a scene; once
// enough is uncovered the whole scene shows and comes alive, and when it is over a new card
// covers the same scene.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "games/scratch/coverage.h"
#include "games/scratch/live_scene.h"
#include "gameutil/gameutil.h"
#include "platform/form.h"
#include "shell/game_form.h"

namespace scratch {

// The options dialog's scene position that draws a different scene for every game.
constexpr std::int16_t kSurpriseScene = 12;

class ScratchForm final : public shell::GameForm {
 public:
  ScratchForm(platform::Runtime& runtime, platform::Form& menu);
  ~ScratchForm() override;

  // The options the dialog reads and sets.
  std::int32_t scratchPercent() const { return scratchPercent_; }
  void set_scratchPercent(std::int32_t value) { scratchPercent_ = value; }
  // 0-11 a scene, 12 a surprise.
  std::int16_t scenarioIndex() const { return scenarioIndex_; }
  void set_scenarioIndex(std::int16_t value) { scenarioIndex_ = value; }
  std::int32_t scratchSize() const { return scratchSize_; }
  void set_scratchSize(std::int32_t value) { scratchSize_ = value; }

  // A new game with the current option values.
  void ResetForm();

  void Form_Load() override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // The window's close button ends the game as the stop button does, even with a key held.
  void Form_QueryClose() override;
  // Measuring goes on once the form has the focus again (after the options dialog).
  void Form_GotFocus();
  void CalcTimer_Timer();

 private:
  void LoadImages();
  void ReadSettings();
  void SaveSettings();
  void DrawButtons();
  void ScratchAt(double x, double y);
  void MarkScratched(double x, double y);
  void CalcPercentage();
  void RevealScene();
  void RunAnimation();
  void RevealRandomCell();
  void ShowOptions();
  void EndGame();
  void FreeSprites();
  void ShowMessage(const std::string& text);

  // The scenes (scratch_scene.cpp).
  std::int16_t ChooseScene() const;
  void LoadScenario(std::int16_t index);
  void DrawSpritesIntoScene();
  void StartScenario(std::int16_t index);
  void DrawFrame();
  void AnimateScenario();
  void StampIntoScene(const GameUtil::Sprite& sprite);
  double StepSeconds() const;

  std::int32_t scratchPercent_ = 50;
  std::int16_t scenarioIndex_ = 0;
  std::int32_t scratchSize_ = 56;
  std::int16_t currentScene_ = -1;  // the scene of this game (a surprise resolved)

  CoverageMap coverageMap_;
  std::int32_t coveragePercent_ = 0;
  std::vector<RevealCell> revealCells_;
  LiveScene scene_;
  bool animating_ = false;
  bool keyReleased_ = true;
  std::int32_t stepTime_ = 0;
  std::int32_t lastStepTime_ = 0;

  std::int32_t backgroundSurface_ = 0;
  std::int32_t sceneSurface_ = 0;
  std::int32_t scratchSurface_ = 0;
  GameUtil::Sprite stopButton_;
  GameUtil::Sprite optionsButton_;

  platform::Timer CalcTimer;
};

}  // namespace scratch
