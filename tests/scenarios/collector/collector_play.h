// Playing the Collector through replay scripts: the fruit the game reports falling, what a
// still figure makes of it, scripts built from steps at absolute times, and pictures found on a
// screenshot.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/surface.h"
#include "support/scenario/game_helpers.h"

namespace scenario::collector {

constexpr int kWanted = 0;  // the apple
// The game opens 600 ms after the menu shows.
constexpr long kOpen = 600;
constexpr long kLoop = kOpen + 500;  // the game loop starts

// A trace line "collector fall I KIND X Y VY": fruit I starts falling (or gets a new speed).
struct Fall {
  long t = 0;
  int index = 0, kind = 0;
  double x = 0, y = 0, vy = 0;
};
std::vector<Fall> ReadFalls(const Result& r);
// Pairs of lines of one fruit in one fall: it was given a new speed on the way down.
std::vector<std::pair<Fall, Fall>> NewSpeeds(const std::vector<Fall>& falls);

// A sound of the game: its time and its kind ("ow", "catch", "wrong", "ow1" for a wanted fruit
// on the ground, "smash").
struct Event {
  long t = 0;
  std::string sound;
};
std::vector<Event> ReadEvents(const Result& r);

// The events a figure standing at x (facing left or right) makes of the falling fruit; the
// loop waits during `paused` (open, close) intervals. Events are given to the nearest frame.
std::vector<Event> Predict(const std::vector<Fall>& falls, double x, bool left, int frameMs,
                           const std::vector<std::pair<long, long>>& paused = {});
// The events agree in order and kind, each within two frames.
::testing::AssertionResult SameEvents(const std::vector<Event>& want, const std::vector<Event>& got,
                                      int frameMs);

// Script steps at absolute virtual times, written out with waits in between.
class Timeline {
 public:
  explicit Timeline(long start) : start_(start) {}
  void At(long t, const std::string& step) { steps_.emplace_back(t, step); }
  std::string Script(long end) const;
  long start() const { return start_; }

 private:
  long start_;
  std::vector<std::pair<long, std::string>> steps_;
};

// Walks the child under the wanted fruit, one catch per run: each run shows the next wanted
// fruit falling, and the steps that catch it are added for the next.
struct Catching {
  Timeline steps;
  std::vector<long> catchTimes;  // when each catch is due
  int missed = 0;                // wanted fruit that could not be reached
};
Catching PlanFiveCatches(Scenario& s, unsigned seed, int frameMs);

}  // namespace scenario::collector
