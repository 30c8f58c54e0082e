#include "shell/choice_options.h"

#include <algorithm>

namespace shell {

namespace {
constexpr int kOptionGroup = 0;
constexpr int kWidth = 440;
constexpr int kBaseHeight = 230;
}  // namespace

ChoiceOptionsDialog::ChoiceOptionsDialog(platform::Runtime& runtime, Setup setup)
    : ChoiceOptionsDialog(runtime, std::move(setup), 0) {}

ChoiceOptionsDialog::ChoiceOptionsDialog(platform::Runtime& runtime, Setup setup, int extraHeight)
    : Dialog(runtime, setup.name, kWidth, kBaseHeight + extraHeight),
      setup_(std::move(setup)),
      extraHeight_(extraHeight) {}

void ChoiceOptionsDialog::Form_Load() {
  AddFrame("Frame1", 20, 20, 400, 130);
  for (int i = 0; i < 3; ++i) {
    skillRadio_[i] = AddOption("skillRadio(" + std::to_string(i) + ")", kOptionGroup, 44 + 128 * i,
                               37, 96, 96, setup_.options[i]);
  }
  AddMiddleControls(160);
  const int buttons = 162 + extraHeight_;
  AddButton("okButton", 100, buttons, 110, 56, "Gfx\\Buttons\\OkBtn.bmp",
            [this] { okButton_Click(); });
  const int cancel = AddButton("cancelButton", 230, buttons, 110, 56, "Gfx\\Buttons\\StopBtn.bmp",
                               [this] { cancelButton_Click(); });
  SetCancelButton(cancel);

  const int option = skillRadio_[std::clamp(setup_.selectedOption, 0, 2)];
  Select(option);
  SetFocus(option);
  Redraw();
}

void ChoiceOptionsDialog::okButton_Click() {
  const int selected = SelectedIn(kOptionGroup);
  int option = 0;
  for (int i = 0; i < 3; ++i) {
    if (skillRadio_[i] == selected) option = i;
  }
  confirmed_ = true;
  if (setup_.apply) setup_.apply(option);
  Unload();
}

void ChoiceOptionsDialog::cancelButton_Click() {
  Unload();
}

}  // namespace shell
