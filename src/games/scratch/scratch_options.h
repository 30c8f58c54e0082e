// The Scratch options: the share to uncover and the size of the scratching coin as three
// pictures each, and the scene as its picture between two arrows (the last position is a
// surprise); OK and cancel.
#pragma once
#include <array>
#include <cstdint>

#include "shell/dialog.h"

namespace scratch {

class ScratchForm;

class ScratchFormOptions final : public shell::Dialog {
 public:
  ScratchFormOptions(platform::Runtime& runtime, ScratchForm& game);

  bool Confirmed() const { return confirmed_; }
  std::int16_t ShownScenario() const { return scenario_; }

  void Form_Load() override;
  void leftBtn_Click();
  void rightBtn_Click();
  void okBtn_Click();
  void stopBtn_Click();

 private:
  void ShowScenario();

  ScratchForm& game_;
  std::array<int, 3> percBtn_{};
  std::array<int, 3> coinBtn_{};
  int scenarioBox_ = -1;
  std::int16_t scenario_ = 0;
  bool confirmed_ = false;
};

}  // namespace scratch
