// The Maze game: steer a figure through a fresh maze to its target; an ending animation and a
// new maze follow.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "games/maze/maze_model.h"
#include "gameutil/gameutil.h"
#include "shell/game_form.h"

namespace maze {

class MazeForm final : public shell::GameForm {
 public:
  MazeForm(platform::Runtime& runtime, platform::Form& menu);

  // The options the dialog reads and sets.
  std::int16_t skill() const { return skill_; }
  void set_skill(std::int16_t value) { skill_ = value; }
  std::int16_t scenario() const { return scenario_; }
  void set_scenario(std::int16_t value) { scenario_ = value; }
  void GetScenarioString(std::int16_t index, std::string& name) const;

  // Builds and draws a new maze.
  void ResetForm();

  // What the scenario tests and the dialog look at.
  const MazeModel& model() const { return model_; }
  std::int16_t currentScenario() const { return currentScenario_; }
  bool endingRunning() const { return endingRunning_; }

  void Form_Load() override;
  void Form_Click() override;
  void Form_KeyDown(int& keyCode, int shift) override;
  void Form_KeyUp(int& keyCode, int shift) override;
  // As the stop button: during the ending the game leaves when the ending has stopped.
  void StopGame() override;

 private:
  void LoadScenarioGraphics(std::int16_t index);
  void DrawCell(int cx, int cy, int px, int py, bool partial);
  void DrawMaze();
  void DrawCentred(const GameUtil::Sprite& sprite, int cellX, int cellY);
  void DrawTargetAndFigure();
  void MoveFigure(int direction);
  void PlayEnding();
  void ShowOptions();
  void EndGame();
  GameUtil::Sprite LoadPair(const std::string& picture, const std::string& mask, int size);

  MazeModel model_;
  std::int16_t skill_ = 2;
  std::int16_t scenario_ = 0;
  std::int16_t currentScenario_ = 0;
  bool ready_ = false;
  bool endingRunning_ = false;
  bool quitRequested_ = false;
  bool keyReleased_ = true;
  std::int16_t spriteSize_ = 40;
  std::int32_t previousFrameTime_ = 0;

  GameUtil::Sprite stopButton_;
  GameUtil::Sprite optionsButton_;
  GameUtil::Sprite nextButton_;
  std::array<GameUtil::Sprite, 4> arrowSprites_;
  std::array<GameUtil::Sprite, 4> figureSprites_;
  GameUtil::Sprite targetSprite_;
  GameUtil::Sprite endingSprite_;
  std::int32_t menuPictureSurface_ = 0;
};

}  // namespace maze
