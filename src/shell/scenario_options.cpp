#include "shell/scenario_options.h"

#include <algorithm>

namespace shell {

namespace {

constexpr int kScenarioRoom = 110;

ChoiceOptionsDialog::Setup ChoicesOf(const ScenarioOptionsDialog::Setup& setup,
                                     const std::int16_t* shown) {
  ChoiceOptionsDialog::Setup choices;
  choices.name = setup.name;
  choices.options = setup.options;
  choices.selectedOption = setup.selectedOption;
  choices.apply = [apply = setup.apply, shown](int option) {
    if (apply) apply(option, *shown);
  };
  return choices;
}

}  // namespace

ScenarioOptionsDialog::ScenarioOptionsDialog(platform::Runtime& runtime, Setup setup)
    : ChoiceOptionsDialog(runtime, ChoicesOf(setup, &scenario_), kScenarioRoom),
      setup_(std::move(setup)) {}

void ScenarioOptionsDialog::AddMiddleControls(int top) {
  AddFrame("Frame2", 20, top, 400, 100);
  AddButton("leftScenarioBtn", 70, top + 20, 60, 60, "Gfx\\Buttons\\LeftArrow.bmp",
            [this] { leftScenarioBtn_Click(); });
  currentScenarioBox_ = AddPictureBox("currentScenarioBox", 176, top + 6, 88, 88);
  AddButton("rightScenarioBtn", 310, top + 20, 60, 60, "Gfx\\Buttons\\RightArrow.bmp",
            [this] { rightScenarioBtn_Click(); });
  scenario_ = std::clamp<std::int16_t>(setup_.scenario, setup_.randomPosition ? -1 : 0,
                                       setup_.lastScenario);
  ShowPreview();
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

}  // namespace shell
