#include "games/collector/collector_options.h"

#include "games/collector/collector_form.h"

namespace collector {

namespace {

constexpr std::int16_t kSpeeds[3] = {20, 40, 60};

shell::ChoiceOptionsDialog::Setup CollectorSetup(CollectorForm& game) {
  shell::ChoiceOptionsDialog::Setup setup;
  setup.name = "CollectorOptions";
  setup.options = {"Gfx\\Collector\\SpeedSlow.bmp", "Gfx\\Collector\\SpeedMedium.bmp",
                   "Gfx\\Collector\\SpeedFast.bmp"};
  // 20 -> slow, 60 -> fast, anything else -> medium.
  setup.selectedOption = game.fallSpeed() == 20 ? 0 : game.fallSpeed() == 60 ? 2 : 1;
  setup.apply = [&game](int option) { game.set_fallSpeed(kSpeeds[option]); };
  return setup;
}

}  // namespace

CollectorOptions::CollectorOptions(platform::Runtime& runtime, CollectorForm& game)
    : ChoiceOptionsDialog(runtime, CollectorSetup(game)) {}

}  // namespace collector
