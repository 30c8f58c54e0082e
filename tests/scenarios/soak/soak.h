// The soak: seeded random-input scripts that play every game the way a small child (and now and
// then a grown-up) does, and the runs that judge them.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
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
// hung: it is stopped and reported. `program` is the built kidplay unless given.
// A clean run has no crash, no sanitizer report (nothing on stderr), no error box, no game that
// keeps the child in, a trace ending in "end", and the menu back with the live surface count it
// first had every time.
std::vector<Outcome> RunPlans(const std::vector<Plan>& plans, int timeoutSeconds, int jobs,
                              const std::function<void(const Outcome&)>& done = {},
                              const std::string& program = {});

}  // namespace soak
