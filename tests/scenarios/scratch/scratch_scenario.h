// What the Scratch replay tests share: opening the game, choosing its settings beforehand,
// scratch strokes, Space presses and reading the trace.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/scenario/game_helpers.h"

namespace scratch_scenario {

using scenario::Result;
using scenario::Scenario;

// The menu's Scratch icon, then a moment for the card to draw.
inline const std::string kOpen = scenario::Open(scenario::Game::Scratch, 200);

// Settings as a grown-up left them at the last run (a real settings file).
inline void Choose(Scenario& s, int size, int scene, int percent) {
  scenario::WriteSettings(s, "[Scratch]\nSize=" + std::to_string(size) +
                                 "\nScenario=" + std::to_string(scene) +
                                 "\nPercent=" + std::to_string(percent) + "\n");
}

// A stroke with the button held through the given points.
inline std::string Stroke(const std::vector<std::pair<int, int>>& points) {
  std::string script = "move " + std::to_string(points[0].first) + " " +
                       std::to_string(points[0].second) + "\ndown\n";
  for (const auto& [x, y] : points) {
    script += "move " + std::to_string(x) + " " + std::to_string(y) + "\n";
  }
  return script + "up\n";
}

// Points `step` apart in a row, `count` of them.
inline std::vector<std::pair<int, int>> Row(int x, int y, int step, int count) {
  std::vector<std::pair<int, int>> points;
  for (int i = 0; i < count; ++i) points.emplace_back(x + i * step, y);
  return points;
}

inline std::string Spaces(int count, int waitMs) {
  return scenario::Keys("Space", count, waitMs);
}

using scenario::FirstTime;

// The scene sounds played, in order ("Space", "Ocean", ...).
inline std::vector<std::string> SceneSounds(const Result& r) {
  std::vector<std::string> names;
  const std::string prefix = "Sfx\\Scratch\\";
  for (const std::string& line : r.trace) {
    const auto at = line.find(prefix);
    if (line.rfind("sound ", 0) == 0 && at != std::string::npos) {
      names.push_back(line.substr(at + prefix.size(), line.size() - at - prefix.size() - 4));
    }
  }
  return names;
}

}  // namespace scratch_scenario
