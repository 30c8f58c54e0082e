#include "games/dots/dots_options.h"

#include <algorithm>

#include "games/dots/dot_picture.h"
#include "games/dots/dots_form.h"
#include "gameutil/numeric.h"

namespace dots {

namespace {

shell::ScenarioOptionsDialog::Setup DotsSetup(DotsForm& game) {
  shell::ScenarioOptionsDialog::Setup setup;
  setup.name = "DotsOptions";
  setup.options = {"Gfx\\Buttons\\DistanceEasy.bmp", "Gfx\\Buttons\\DistanceMedium.bmp",
                   "Gfx\\Buttons\\DistanceHard.bmp"};
  // 10 -> 0, 20 -> 1, 30 -> 2; anything else lands on the nearest button that exists.
  setup.selectedOption = std::clamp<int>(GameUtil::NearestInt(game.gridSize() / 10.0 - 1), 0, 2);
  setup.lastScenario = game.lastScenario();
  setup.scenario = game.dotsScenario();
  setup.preview = [&game](std::int16_t index) { return IconPath(game.GetScenarioString(index)); };
  setup.apply = [&game](int option, std::int16_t scenario) {
    game.set_dotsScenario(scenario);
    game.set_gridSize(static_cast<std::int16_t>((option + 1) * 10));
  };
  return setup;
}

}  // namespace

DotsOptions::DotsOptions(platform::Runtime& runtime, DotsForm& game)
    : ScenarioOptionsDialog(runtime, DotsSetup(game)) {}

}  // namespace dots
