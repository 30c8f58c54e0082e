// The Maze options: the skill as three pictures, the scenario as a preview (the figure facing
// north, or the random picture) between two arrows.
#pragma once
#include "shell/scenario_options.h"

namespace maze {

class MazeForm;

class MazeOptions final : public shell::ScenarioOptionsDialog {
 public:
  MazeOptions(platform::Runtime& runtime, MazeForm& game);
};

}  // namespace maze
