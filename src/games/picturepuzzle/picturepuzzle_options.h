// The Picture puzzle options: the snap distance as three pictures of distances, the scene as a
// preview between two arrows (the ring 0 .. 12, without a random position).
#pragma once
#include "shell/scenario_options.h"

namespace picturepuzzle {

class PicturePuzzleForm;

class PicturePuzzleOptions final : public shell::ScenarioOptionsDialog {
 public:
  PicturePuzzleOptions(platform::Runtime& runtime, PicturePuzzleForm& game);
};

}  // namespace picturepuzzle
