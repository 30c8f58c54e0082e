// What the Scratch replay tests share: opening the game, choosing its settings beforehand,
// scratch strokes, Space presses and reading the trace.
#pragma once
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/scenario/scenario.h"

namespace scratch_scenario {

using scenario::Result;
using scenario::Scenario;

// The menu's Scratch icon, then a moment for the card to draw.
inline const std::string kOpen = "wait 600\nclick 625 500\nwait 200\n";

// Settings as a grown-up left them at the last run (a real settings file).
inline void Choose(Scenario& s, int size, int scene, int percent) {
  const auto dir = s.dir() / "config" / "Kidplay";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "settings.ini")
      << "[Scratch]\nSize=" << size << "\nScenario=" << scene << "\nPercent=" << percent << "\n";
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
  std::string script;
  for (int i = 0; i < count; ++i) script += "key Space\nwait " + std::to_string(waitMs) + "\n";
  return script;
}

// The time of the first trace line equal to `line`, or -1.
inline long FirstTime(const Result& r, const std::string& line) {
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i] == line) return scenario::TimeOf(r.timed[i]);
  }
  return -1;
}

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
