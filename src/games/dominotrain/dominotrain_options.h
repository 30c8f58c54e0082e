// The Domino train options: the level as three pictures of 3, 5 and 7 wagons.
#pragma once
#include <cstdint>

#include "shell/choice_options.h"

namespace dominotrain {

class DominoTrainForm;

class DominoTrainOptions final : public shell::ChoiceOptionsDialog {
 public:
  DominoTrainOptions(platform::Runtime& runtime, DominoTrainForm& game);
};

// The level button that stands for a number of wagons (any other number shows the middle one),
// and the number of wagons a level button stands for.
int LevelOfWagonCount(int wagonCount);
std::int16_t WagonCountOfLevel(int level);

}  // namespace dominotrain
