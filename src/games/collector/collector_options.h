// The Collector options: the fruit's fall speed as three pictures, slow, medium and fast.
#pragma once
#include "shell/choice_options.h"

namespace collector {

class CollectorForm;

class CollectorOptions final : public shell::ChoiceOptionsDialog {
 public:
  CollectorOptions(platform::Runtime& runtime, CollectorForm& game);
};

}  // namespace collector
