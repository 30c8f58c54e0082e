#include "games/maze/maze_options.h"

#include <string>

#include "games/maze/maze_form.h"

namespace maze {

namespace {

shell::ScenarioOptionsDialog::Setup MazeSetup(MazeForm& game) {
  shell::ScenarioOptionsDialog::Setup setup;
  setup.name = "MazeOptions";
  setup.options = {"Gfx\\Maze\\SkillEasy.bmp", "Gfx\\Maze\\SkillMedium.bmp",
                   "Gfx\\Maze\\SkillHard.bmp"};
  setup.selectedOption = game.skill() - 1;
  setup.lastScenario = 10;
  setup.scenario = game.scenario();
  setup.preview = [&game](std::int16_t index) {
    std::string name;
    game.GetScenarioString(index, name);
    return "Gfx\\Maze\\" + name + "N.bmp";
  };
  setup.apply = [&game](int option, std::int16_t scenario) {
    game.set_skill(static_cast<std::int16_t>(option + 1));
    game.set_scenario(scenario);
  };
  return setup;
}

}  // namespace

MazeOptions::MazeOptions(platform::Runtime& runtime, MazeForm& game)
    : ScenarioOptionsDialog(runtime, MazeSetup(game)) {}

}  // namespace maze
