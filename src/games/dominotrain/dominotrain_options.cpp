#include "games/dominotrain/dominotrain_options.h"

#include <algorithm>

#include "games/dominotrain/dominotrain_form.h"

namespace dominotrain {

int LevelOfWagonCount(int wagonCount) {
  return wagonCount == 3 ? 0 : wagonCount == 7 ? 2 : 1;
}

std::int16_t WagonCountOfLevel(int level) {
  return static_cast<std::int16_t>(3 + 2 * std::clamp(level, 0, 2));
}

namespace {

shell::ChoiceOptionsDialog::Setup DominoTrainSetup(DominoTrainForm& game) {
  shell::ChoiceOptionsDialog::Setup setup;
  setup.name = "DominoTrainOptions";
  setup.options = {"Gfx\\DominoTrain\\LevelEasy.bmp", "Gfx\\DominoTrain\\LevelMedium.bmp",
                   "Gfx\\DominoTrain\\LevelHard.bmp"};
  setup.selectedOption = LevelOfWagonCount(game.wagonCount());
  setup.apply = [&game](int option) { game.set_wagonCount(WagonCountOfLevel(option)); };
  return setup;
}

}  // namespace

DominoTrainOptions::DominoTrainOptions(platform::Runtime& runtime, DominoTrainForm& game)
    : ChoiceOptionsDialog(runtime, DominoTrainSetup(game)) {}

}  // namespace dominotrain
