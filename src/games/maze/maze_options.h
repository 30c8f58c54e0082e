// The Maze options: the skill as three pictures, the scenario as a preview between two arrows.
#pragma once
#include <array>
#include <cstdint>

#include "shell/dialog.h"

namespace maze {

class MazeForm;

class MazeOptions final : public shell::Dialog {
 public:
  MazeOptions(platform::Runtime& runtime, MazeForm& game);

  // True once OK has closed the dialog.
  bool Confirmed() const { return confirmed_; }
  std::int16_t shownScenario() const { return scenario_; }

  void Form_Load() override;

 private:
  void ShowPreview();
  void leftScenarioBtn_Click();
  void rightScenarioBtn_Click();
  void okButton_Click();
  void cancelButton_Click();

  MazeForm& game_;
  std::int16_t scenario_ = 0;
  bool confirmed_ = false;
  std::array<int, 3> skillRadio_{};
  int currentScenarioBox_ = -1;
};

}  // namespace maze
