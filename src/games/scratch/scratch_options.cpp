#include "games/scratch/scratch_options.h"

#include <string>

#include "games/scratch/scratch_form.h"

namespace scratch {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 470;
constexpr int kPercentGroup = 0;
constexpr int kCoinGroup = 1;
constexpr int kPercents[3] = {25, 50, 75};
constexpr int kSizes[3] = {36, 56, 76};
constexpr int kOptionX[3] = {55, 205, 355};

}  // namespace

ScratchFormOptions::ScratchFormOptions(platform::Runtime& runtime, ScratchForm& game)
    : Dialog(runtime, "ScratchFormOptions", kWidth, kHeight), game_(game) {}

void ScratchFormOptions::Form_Load() {
  const char* percPictures[3] = {"Gfx\\Scratch\\25perc.bmp", "Gfx\\Scratch\\50perc.bmp",
                                 "Gfx\\Scratch\\75perc.bmp"};
  const char* coinPictures[3] = {"Gfx\\Scratch\\SmallCursor.bmp", "Gfx\\Scratch\\MediumCursor.bmp",
                                 "Gfx\\Scratch\\LargeCursor.bmp"};
  AddFrame("Frame1", 20, 16, 480, 112);
  for (int i = 0; i < 3; ++i) {
    percBtn_[i] = AddOption("percBtn(" + std::to_string(i) + ")", kPercentGroup, kOptionX[i], 28,
                            110, 88, percPictures[i]);
  }
  AddFrame("Frame2", 20, 140, 480, 112);
  for (int i = 0; i < 3; ++i) {
    coinBtn_[i] = AddOption("coinBtn(" + std::to_string(i) + ")", kCoinGroup, kOptionX[i], 152, 110,
                            88, coinPictures[i]);
  }
  AddFrame("Frame3", 20, 264, 480, 124);
  AddButton("leftBtn", 70, 296, 60, 60, "Gfx\\Buttons\\LeftArrow.bmp", [this] { leftBtn_Click(); });
  scenarioBox_ = AddPictureBox("scenarioBox", 188, 272, 144, 108);
  AddButton("rightBtn", 390, 296, 60, 60, "Gfx\\Buttons\\RightArrow.bmp",
            [this] { rightBtn_Click(); });
  AddButton("okBtn", 130, 400, 110, 56, "Gfx\\Buttons\\okBtn.bmp", [this] { okBtn_Click(); });
  SetCancelButton(AddButton("stopBtn", 280, 400, 110, 56, "Gfx\\Buttons\\stopBtn.bmp",
                            [this] { stopBtn_Click(); }));

  // A value outside a group's set selects nothing in it.
  for (int i = 0; i < 3; ++i) {
    if (game_.scratchPercent() == kPercents[i]) Select(percBtn_[i]);
    if (game_.scratchSize() == kSizes[i]) Select(coinBtn_[i]);
  }
  scenario_ = game_.scenarioIndex();
  if (scenario_ < 0 || scenario_ > kSurpriseScene) scenario_ = 0;
  ShowScenario();
  const int first = SelectedIn(kPercentGroup);
  SetFocus(first >= 0 ? first : percBtn_[0]);
  Redraw();
}

void ScratchFormOptions::ShowScenario() {
  SetPicture(scenarioBox_, "Gfx\\Scratch\\ScenarioIcon" + std::to_string(scenario_) + ".bmp");
}

void ScratchFormOptions::leftBtn_Click() {
  scenario_ = static_cast<std::int16_t>(scenario_ == 0 ? kSurpriseScene : scenario_ - 1);
  ShowScenario();
}

void ScratchFormOptions::rightBtn_Click() {
  scenario_ = static_cast<std::int16_t>(scenario_ == kSurpriseScene ? 0 : scenario_ + 1);
  ShowScenario();
}

void ScratchFormOptions::okBtn_Click() {
  const int percent = SelectedIn(kPercentGroup);
  const int coin = SelectedIn(kCoinGroup);
  for (int i = 0; i < 3; ++i) {
    if (percent == percBtn_[i]) game_.set_scratchPercent(kPercents[i]);
    if (coin == coinBtn_[i]) game_.set_scratchSize(kSizes[i]);
  }
  game_.set_scenarioIndex(scenario_);
  confirmed_ = true;
  Unload();
}

void ScratchFormOptions::stopBtn_Click() {
  Unload();
}

}  // namespace scratch
