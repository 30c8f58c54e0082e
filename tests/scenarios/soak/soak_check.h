// Runs soak scripts and reads their traces: what went wrong in a run, and how long each game
// was played.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "soak_script.h"
#include "support/scenario/scenario.h"

namespace soak {

struct Outcome {
  std::uint32_t seed = 0;
  int frameMs = 0;
  std::vector<std::string> problems;  // empty: the run was clean
  // Virtual milliseconds each game form was in front, from its show to its unload.
  std::array<std::int64_t, kGames> playedMs{};
  int returnsToMenu = 0;
  std::string replay;  // how to run the same script again by hand
};

// Runs several plans side by side, at most `jobs` at once, each in its own folders; `done`
// hears of each run as it ends. A run still going after `timeoutSeconds` of wall-clock time has
// hung: it is stopped and reported.
// `program` is the built kidplay unless given.
std::vector<Outcome> RunPlans(const std::vector<Plan>& plans, int timeoutSeconds, int jobs,
                              const std::function<void(const Outcome&)>& done = {},
                              const std::string& program = {});

// What a finished run's trace, status and error output say.
Outcome Judge(const Plan& plan, const scenario::Result& result);

}  // namespace soak
