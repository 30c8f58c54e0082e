// The eleven maze scenarios: their names (which name the picture files) and the parameters of
// their ending animations.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace maze {

struct MazeScenario {
  std::string_view name;
  std::int32_t frameWidth;
  std::int32_t frameHeight;
  std::int32_t frameCount;
  // Single-frame endings leave frame time and looping as the previous scenario had them.
  bool setsTiming;
  std::int32_t frameDuration;  // ms per frame, when setsTiming
  bool looping;                // when setsTiming
};

// Every ending moves left at this speed, pixels per second.
constexpr double EndingSpeed = 140;

constexpr std::array<MazeScenario, 11> Scenarios{{
    {"Mouse", 200, 160, 5, true, 200, true},
    {"Wasp", 200, 160, 1, false, 0, false},
    {"Fire", 200, 160, 5, true, 200, true},
    {"Car", 200, 160, 5, true, 100, true},
    {"Police", 200, 160, 5, true, 100, true},
    {"Knight", 200, 160, 4, true, 200, true},
    {"Rabbit", 200, 160, 5, true, 200, true},
    {"Plane", 200, 160, 1, false, 0, false},
    {"Space", 200, 160, 5, true, 150, true},
    {"Snail", 200, 160, 5, true, 150, true},
    {"Frog", 160, 110, 10, true, 100, true},
}};

constexpr std::int16_t LastScenario = static_cast<std::int16_t>(Scenarios.size() - 1);

// The ending parameters go by the scenario's name; nullptr for a name not in the table.
constexpr const MazeScenario* FindScenario(std::string_view name) {
  for (const MazeScenario& scenario : Scenarios) {
    if (scenario.name == name) return &scenario;
  }
  return nullptr;
}

}  // namespace maze
