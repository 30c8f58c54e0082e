// The soak's scripts: seeded random input that plays every game the way a small child (and now
// and then a grown-up) does.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace soak {

constexpr int kGames = 8;

// The game forms in the menu's order.
extern const char* const kFormNames[kGames];

// One visit of a game: from the first click on its icon until it has been left for the last
// time; times in virtual milliseconds after the start of the script.
struct Visit {
  int game = 0;
  std::int64_t start = 0;
  std::int64_t end = 0;
};

struct Plan {
  std::uint32_t seed = 0;
  std::string script;
  std::vector<Visit> visits;
  std::int64_t longestVisit = 0;  // the longest visit, for telling a stranded game
  int frameMs = 25;               // virtual milliseconds per loop pass of the run (--frame-ms)
  std::string again;              // the environment that has the test make this plan again
};

// A script of `rounds` rounds, each visiting all eight games once in an order drawn from the
// seed, `visitMs` of play per visit.
Plan MakePlan(std::uint32_t seed, int rounds, std::int64_t visitMs);

}  // namespace soak
