#include "shell/scenario_options.h"

#include <algorithm>

namespace shell {

namespace {
constexpr int kOptionGroup = 0;
}  // namespace

ScenarioOptionsDialog::ScenarioOptionsDialog(platform::Runtime& runtime, Setup setup)
    : Dialog(runtime, setup.name, 440, 340), setup_(std::move(setup)) {}

void ScenarioOptionsDialog::Form_Load() {
  AddFrame("Frame1", 20, 20, 400, 130);
  for (int i = 0; i < 3; ++i) {
    skillRadio_[i] = AddOption("skillRadio(" + std::to_string(i) + ")", kOptionGroup, 44 + 128 * i,
                               37, 96, 96, setup_.options[i]);
  }
  AddFrame("Frame2", 20, 160, 400, 100);
  AddButton("leftScenarioBtn", 70, 180, 60, 60, "Gfx\\Buttons\\LeftArrow.bmp",
            [this] { leftScenarioBtn_Click(); });
  currentScenarioBox_ = AddPictureBox("currentScenarioBox", 176, 166, 88, 88);
  AddButton("rightScenarioBtn", 310, 180, 60, 60, "Gfx\\Buttons\\RightArrow.bmp",
            [this] { rightScenarioBtn_Click(); });
  AddButton("okButton", 100, 272, 110, 56, "Gfx\\Buttons\\OkBtn.bmp", [this] { okButton_Click(); });
  const int cancel = AddButton("cancelButton", 230, 272, 110, 56, "Gfx\\Buttons\\StopBtn.bmp",
                               [this] { cancelButton_Click(); });
  SetCancelButton(cancel);

  scenario_ = std::clamp<std::int16_t>(setup_.scenario, setup_.randomPosition ? -1 : 0,
                                       setup_.lastScenario);
  ShowPreview();
  const int option = skillRadio_[std::clamp(setup_.selectedOption, 0, 2)];
  Select(option);
  SetFocus(option);
  Redraw();
}

void ScenarioOptionsDialog::ShowPreview() {
  SetPicture(currentScenarioBox_,
             scenario_ == -1 ? "Gfx\\Buttons\\RandomScenario.bmp" : setup_.preview(scenario_));
}

void ScenarioOptionsDialog::leftScenarioBtn_Click() {
  if (scenario_ == 0) {
    scenario_ = setup_.randomPosition ? -1 : setup_.lastScenario;
  } else if (scenario_ == -1) {
    scenario_ = setup_.lastScenario;
  } else {
    --scenario_;
  }
  ShowPreview();
}

void ScenarioOptionsDialog::rightScenarioBtn_Click() {
  if (scenario_ == setup_.lastScenario) {
    scenario_ = setup_.randomPosition ? -1 : 0;
  } else {
    scenario_ = static_cast<std::int16_t>(scenario_ + 1);
  }
  ShowPreview();
}

void ScenarioOptionsDialog::okButton_Click() {
  const int selected = SelectedIn(kOptionGroup);
  int option = 0;
  for (int i = 0; i < 3; ++i) {
    if (skillRadio_[i] == selected) option = i;
  }
  confirmed_ = true;
  if (setup_.apply) setup_.apply(option, scenario_);
  Unload();
}

void ScenarioOptionsDialog::cancelButton_Click() {
  Unload();
}

}  // namespace shell
