// The Collector: a child walks along the bottom of an orchard and catches the wanted fruit as it
// falls from three trees. Five caught fruits win the round; three smashed ones end it.
#pragma once
#include <array>
#include <cstdint>

#include "games/collector/collector_model.h"
#include "gameutil/gameutil.h"
#include "platform/form.h"
#include "shell/game_form.h"

namespace collector {

class CollectorForm final : public shell::GameForm {
 public:
  CollectorForm(platform::Runtime& runtime, platform::Form& menu);
  ~CollectorForm() override;

  // The base fall speed in pixels per second (20, 40 or 60), read and set by the options.
  std::int16_t fallSpeed() const { return model_.fallSpeed; }
  void set_fallSpeed(std::int16_t value) { model_.fallSpeed = value; }
  void SaveFallSpeed();

  void startEvent() { model_.startEvent(); }
  void HandleEvents() { model_.HandleEvents(passTime_); }
  const CollectorModel& model() const { return model_; }

  void Form_Load() override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // The program must end: as the stop button, also inside the loop and with a key held.
  void StopGame() override { EndGame(); }

 private:
  void gameTime_Timer();
  void LoadFigure(int index, const char* name, const char* file, bool walking);
  void RunGameLoop();
  void DrawFrame();
  void DrawStatusRow();
  void DrawButtons();
  void StampFruit(const GameUtil::Sprite& fruit);
  void TraceFall(int index);
  void ShowOptions();
  void StopWalking();
  // The one way out: at once when no loop runs, else once the running loop sees it.
  void EndGame();

  // The endings (collector_ending.cpp): a short celebration or a gentle goodbye.
  void PlayEnding(bool won);
  void DrawCelebration(std::int32_t elapsed);
  void DrawGoodbye(std::int32_t elapsed);
  void DrawHangingFruit();
  void DrawFigureAt(const GameUtil::Sprite& figure, double dy, std::int32_t image,
                    std::int32_t mask, int frame);

  CollectorModel model_;
  platform::Timer gameTime_;
  std::int32_t passTime_ = 0;
  std::int32_t lastPassTime_ = 0;
  std::int32_t lastKey_ = -1;
  bool loopActive_ = false;     // the game loop or an ending runs
  bool endRequested_ = false;   // the loop ends the game when it sees this
  bool endingRunning_ = false;  // a click or a new key ends the ending
  bool optionsOpen_ = false;
  bool ended_ = false;

  std::int32_t backgroundSurface_ = 0;
  std::array<std::int32_t, kFruitKinds> fruitGrayImages_{};
  std::int32_t faceImage_ = 0;
  std::int32_t faceMask_ = 0;
  GameUtil::Sprite stopButton_;
  GameUtil::Sprite optionsButton_;
  // The endings' pictures: a twinkling star and the figure waving, facing left and right.
  GameUtil::Sprite star_;
  std::array<std::int32_t, 2> wavingImages_{};
  std::array<std::int32_t, 2> wavingMasks_{};
};

}  // namespace collector
