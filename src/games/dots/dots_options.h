// The Dots options: the hit distance as three pictures, the dot picture as its icon between two
// arrows (one position of the ring is a random picture).
#pragma once
#include "shell/scenario_options.h"

namespace dots {

class DotsForm;

class DotsOptions final : public shell::ScenarioOptionsDialog {
 public:
  DotsOptions(platform::Runtime& runtime, DotsForm& game);
};

}  // namespace dots
