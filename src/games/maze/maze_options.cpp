#include "games/maze/maze_options.h"

#include <algorithm>
#include <string>

#include "games/maze/maze_form.h"

namespace maze {

namespace {
constexpr int kSkillGroup = 0;
constexpr std::int16_t kLastScenario = 10;
}  // namespace

MazeOptions::MazeOptions(platform::Runtime& runtime, MazeForm& game)
    : Dialog(runtime, "MazeOptions", 440, 340), game_(game) {}

void MazeOptions::Form_Load() {
  AddFrame("Frame1", 20, 20, 400, 130);
  const char* skillPictures[3] = {"Gfx\\Maze\\SkillEasy.bmp", "Gfx\\Maze\\SkillMedium.bmp",
                                  "Gfx\\Maze\\SkillHard.bmp"};
  for (int i = 0; i < 3; ++i) {
    skillRadio_[i] = AddOption("skillRadio(" + std::to_string(i) + ")", kSkillGroup,
                               44 + 128 * i, 37, 96, 96, skillPictures[i]);
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

  scenario_ = game_.scenario();
  ShowPreview();
  const int skill = std::clamp<int>(game_.skill(), 1, 3);
  Select(skillRadio_[skill - 1]);
  SetFocus(skillRadio_[skill - 1]);
  Redraw();
}

void MazeOptions::ShowPreview() {
  if (scenario_ == -1) {
    SetPicture(currentScenarioBox_, "Gfx\\Buttons\\RandomScenario.bmp");
  } else {
    std::string name;
    game_.GetScenarioString(scenario_, name);
    SetPicture(currentScenarioBox_, "Gfx\\Maze\\" + name + "N.bmp");
  }
}

void MazeOptions::leftScenarioBtn_Click() {
  if (scenario_ == 0) {
    scenario_ = -1;
  } else if (scenario_ == -1) {
    scenario_ = kLastScenario;
  } else {
    --scenario_;
  }
  ShowPreview();
}

void MazeOptions::rightScenarioBtn_Click() {
  scenario_ = scenario_ == kLastScenario ? -1 : static_cast<std::int16_t>(scenario_ + 1);
  ShowPreview();
}

void MazeOptions::okButton_Click() {
  const int selected = SelectedIn(kSkillGroup);
  for (int i = 0; i < 3; ++i) {
    if (skillRadio_[i] == selected) game_.set_skill(static_cast<std::int16_t>(i + 1));
  }
  game_.set_scenario(scenario_);
  confirmed_ = true;
  Unload();
}

void MazeOptions::cancelButton_Click() { Unload(); }

}  // namespace maze
