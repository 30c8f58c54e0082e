#include "games/picturepuzzle/picturepuzzle_options.h"

#include <algorithm>
#include <string>

#include "games/picturepuzzle/picturepuzzle_form.h"

namespace picturepuzzle {

namespace {

constexpr std::int32_t kDistances[3] = {kSnapEasy, kSnapMedium, kSnapHard};

shell::ScenarioOptionsDialog::Setup PuzzleSetup(PicturePuzzleForm& game) {
  shell::ScenarioOptionsDialog::Setup setup;
  setup.name = "PicturePuzzleOptions";
  setup.options = {"Gfx\\Buttons\\DistanceEasy.bmp", "Gfx\\Buttons\\DistanceMedium.bmp",
                   "Gfx\\Buttons\\DistanceHard.bmp"};
  // A distance that is none of the three selects the easy button.
  setup.selectedOption = 0;
  for (int i = 0; i < 3; ++i) {
    if (game.snapDistance() == kDistances[i]) setup.selectedOption = i;
  }
  setup.lastScenario = kSceneCount - 1;
  setup.scenario = static_cast<std::int16_t>(std::clamp(game.scenario(), 0, kSceneCount - 1));
  setup.randomPosition = false;
  setup.preview = [](std::int16_t index) {
    return "Gfx\\PicturePuzzle\\ScenarioIcon" + std::to_string(index) + ".bmp";
  };
  setup.apply = [&game](int option, std::int16_t scenario) {
    game.set_scenario(scenario);
    game.set_snapDistance(kDistances[std::clamp(option, 0, 2)]);
  };
  return setup;
}

}  // namespace

PicturePuzzleOptions::PicturePuzzleOptions(platform::Runtime& runtime, PicturePuzzleForm& game)
    : ScenarioOptionsDialog(runtime, PuzzleSetup(game)) {}

}  // namespace picturepuzzle
