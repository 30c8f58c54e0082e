// The options dialog shape several games share: three picture option buttons in one frame, and
// in a second frame a scenario preview between a left and a right arrow, whose ring runs
// 0, 1, ..., last, random (-1), 0 (or 0, 1, ..., last, 0 without the random position); then OK
// and cancel.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "shell/choice_options.h"

namespace shell {

class ScenarioOptionsDialog : public ChoiceOptionsDialog {
 public:
  struct Setup {
    std::string name;                    // the dialog's name, e.g. "MazeOptions"
    std::array<std::string, 3> options;  // the pictures of skillRadio(0), (1), (2)
    int selectedOption = 0;              // preselected, 0..2
    std::int16_t lastScenario = 0;
    std::int16_t scenario = 0;                         // preselected, -1 = random
    bool randomPosition = true;                        // the ring holds -1 (random)
    std::function<std::string(std::int16_t)> preview;  // picture of a scenario (not -1)
    // OK: the selected option (0..2) and the scenario shown.
    std::function<void(int option, std::int16_t scenario)> apply;
  };

  ScenarioOptionsDialog(platform::Runtime& runtime, Setup setup);

  std::int16_t ShownScenario() const { return scenario_; }

  void leftScenarioBtn_Click();
  void rightScenarioBtn_Click();

 protected:
  void AddMiddleControls(int top) override;

 private:
  void ShowPreview();

  Setup setup_;
  std::int16_t scenario_ = 0;
  int currentScenarioBox_ = -1;
};

}  // namespace shell
