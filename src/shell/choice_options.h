// The simplest options dialog the games share: three picture option buttons in one frame, then
// OK and cancel. OK hands the selected option (0..2) to the game; cancel changes nothing.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "shell/dialog.h"

namespace shell {

class ChoiceOptionsDialog : public Dialog {
 public:
  struct Setup {
    std::string name;                    // the dialog's name, e.g. "CollectorOptions"
    std::array<std::string, 3> options;  // the pictures of skillRadio(0), (1), (2)
    int selectedOption = 0;              // preselected, 0..2
    std::function<void(int option)> apply;
  };

  ChoiceOptionsDialog(platform::Runtime& runtime, Setup setup);

  bool Confirmed() const { return confirmed_; }
  void Form_Load() override;

  void okButton_Click();
  void cancelButton_Click();

 protected:
  // A dialog with more controls between the option frame and OK/cancel; `extraHeight` is the
  // room they take.
  ChoiceOptionsDialog(platform::Runtime& runtime, Setup setup, int extraHeight);
  // Adds the controls of that room, whose top edge is `top`.
  virtual void AddMiddleControls(int /*top*/) {}

 private:
  Setup setup_;
  int extraHeight_ = 0;
  bool confirmed_ = false;
  std::array<int, 3> skillRadio_{};
};

}  // namespace shell
