// The Domino train: a locomotive drives in and waits on the track; the child couples the wagon
// whose front symbol matches the rear symbol of the train's last car, and the finished train
// drives off before a new one comes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/dominotrain/dominotrain_model.h"
#include "gameutil/gameutil.h"
#include "shell/drag_gesture.h"
#include "shell/game_form.h"

namespace dominotrain {

class DominoTrainForm final : public shell::GameForm {
 public:
  DominoTrainForm(platform::Runtime& runtime, platform::Form& menu);
  ~DominoTrainForm() override;

  // The values the options dialog reads and sets.
  std::int16_t wagonCount() const { return wagonCount_; }
  void set_wagonCount(std::int16_t value) { wagonCount_ = value; }
  bool resetRequested() const { return resetRequested_; }
  void set_resetRequested(bool value) { resetRequested_ = value; }
  bool trainMoving() const { return trainMoving_; }

  // Builds a new train and lets it drive in.
  void ResetForm();
  void startGameTimer_Timer();

  void Form_Load() override;
  void Form_Click() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_MouseUp(int button, int shift, double x, double y) override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // The program must end: as the stop button, also during a movement and with a key held.
  void StopGame() override { StopRequested(); }

 private:
  // Pictures and drawing (dominotrain_scene.cpp).
  void LoadImages();
  void LoadSymbols();
  void BuildCar(int car, const std::string& picture, const std::string& mask, int frameWidth,
                int frameHeight, int frames, std::int16_t front, std::int16_t rear);
  void ReleaseCars();
  void DrawScene();
  // One frame of a car's strip at (x, y): mask AND, then picture PAINT.
  void DrawCar(const GameUtil::Sprite& car, int x, int y, int frame);

  // Play.
  void PickUpWagonAt(const GameUtil::Point& p);
  bool DropWagon(const GameUtil::Point& p);
  bool MoveTrain(std::int16_t dx, double speed);
  void LeaveAndComeAgain();
  void NextTrain();
  void StopRequested();
  void ShowOptions();
  void EndGame();

  TrainModel model_;
  std::int16_t wagonCount_ = 3;
  bool resetRequested_ = false;
  bool trainMoving_ = false;
  bool trainReady_ = false;
  bool dragging_ = false;
  std::int16_t draggedCar_ = -1;
  int selectedSlot_ = -1;
  bool abortRequested_ = false;
  bool keyHeld_ = false;
  bool carsCreated_ = false;
  bool ended_ = false;
  // A wagon pressed on is picked up at once and dropped where a drag lets go.
  shell::DragGesture drag_;

  std::vector<GameUtil::Sprite> cars_;
  std::array<GameUtil::Sprite, kSymbolTableSize> symbolSprites_{};
  std::int32_t backgroundSurface_ = 0;
  GameUtil::Sprite stopButton_;
  GameUtil::Sprite optionsButton_;
  GameUtil::Sprite nextButton_;
  platform::Timer startGameTimer_;
};

}  // namespace dominotrain
