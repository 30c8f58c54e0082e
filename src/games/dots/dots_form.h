// The Dots game: connect the numbered dots in order; the finished outline turns into an
// animated picture, and a new picture follows.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "games/dots/completion.h"
#include "games/dots/dot_picture.h"
#include "gameutil/gameutil.h"
#include "shell/game_form.h"

namespace dots {

class DotsForm final : public shell::GameForm {
 public:
  DotsForm(platform::Runtime& runtime, platform::Form& menu);

  // The options the dialog reads and sets.
  std::int16_t lastScenario() const { return static_cast<std::int16_t>(scenarios_.size() - 1); }
  std::int16_t dotsScenario() const { return dotsScenario_; }
  void set_dotsScenario(std::int16_t value) { dotsScenario_ = value; }
  // The hit radius in pixels, as stored (5 to 60); the dialog offers 10, 20 and 30.
  std::int16_t gridSize() const { return gridSize_; }
  void set_gridSize(std::int16_t value) { gridSize_ = value; }
  std::string GetScenarioString(std::int16_t index) const;

  // Loads the current scenario's dot picture and starts a new picture.
  void ResetForm();
  // Stores the hit radius as the setting "GridSize".
  void SaveGridSize();

  void Form_Load() override;
  void Form_MouseDown(int button, int shift, double x, double y) override;
  void Form_MouseMove(int buttons, int shift, double x, double y) override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // As the stop button: during the completion the game leaves when its loop sees the request.
  void StopGame() override;

 private:
  void InitForm();
  bool ReadScenario(std::int16_t index);
  // Keeps `surface` when it holds `file` already, else replaces it with that picture.
  void KeepOrLoad(std::int32_t& surface, std::string& loadedFile, const std::string& file);
  void DrawPicture();
  void StartDrag(const GameUtil::Point& p);
  bool TryConnect(const GameUtil::Point& p);
  void PlayCompletion();
  void NextPicture();
  void ShowOptions();
  void EndGame();

  std::vector<std::string> scenarios_;
  std::int16_t dotsScenario_ = 0;
  std::int16_t gridSize_ = 20;
  std::int16_t shownScenario_ = -1;

  DotPicture picture_;
  std::int32_t pictureSurface_ = 0;
  std::int32_t maskSurface_ = 0;
  std::int32_t backgroundSurface_ = 0;
  // The files the three surfaces hold.
  std::string loadedImageFile_;
  std::string loadedMaskFile_;
  std::string loadedBackgroundFile_;

  std::int16_t currentDot_ = 0;
  std::int16_t lineStartDot_ = 0;
  bool dragging_ = false;
  bool pictureComplete_ = false;
  bool leaving_ = false;
  bool keyHeld_ = false;
  GameUtil::Point mousePoint_;
  Completion completion_;  // animFrame and animFrameTime with the rest of the animation's state

  GameUtil::Sprite stopButton_;
  GameUtil::Sprite optionsButton_;
  GameUtil::Sprite nextButton_;
};

}  // namespace dots
