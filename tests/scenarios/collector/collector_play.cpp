#include "collector_play.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <sstream>

namespace scenario::collector {

namespace {

constexpr double kHalf = 17.5;   // half a fruit
constexpr double kWalk = 0.16;   // pixels a millisecond
constexpr double kMiddle = 340;  // the child waits here for the next apple

// Passes from the line until the fruit, falling from y at vy, is seen at or below `line`.
long PassesTo(double line, double y, double vy, int frameMs) {
  if (y >= line) return 0;
  const double k = std::ceil((line - y) * 1000 / (vy * frameMs) - 1e-9);
  return std::max(1L, static_cast<long>(k));
}

}  // namespace

std::vector<Fall> ReadFalls(const Result& r) {
  std::vector<Fall> falls;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    Fall f;
    if (std::sscanf(r.trace[i].c_str(), "collector fall %d %d %lf %lf %lf", &f.index, &f.kind, &f.x,
                    &f.y, &f.vy) == 5) {
      f.t = TimeOf(r.timed[i]);
      falls.push_back(f);
    }
  }
  return falls;
}

std::vector<std::pair<Fall, Fall>> NewSpeeds(const std::vector<Fall>& falls) {
  std::vector<std::pair<Fall, Fall>> pairs;
  for (std::size_t n = 0; n < falls.size(); ++n) {
    for (std::size_t m = n + 1; m < falls.size(); ++m) {
      if (falls[m].index != falls[n].index) continue;
      // Back on a tree, a fruit has a new place.
      if (falls[m].x == falls[n].x && falls[m].y > falls[n].y)
        pairs.emplace_back(falls[n], falls[m]);
      break;
    }
  }
  return pairs;
}

std::vector<Event> ReadEvents(const Result& r) {
  std::vector<Event> events;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    int flags = 0, result = 0;
    char path[128] = {};
    if (std::sscanf(r.trace[i].c_str(), "sound %d %d %127s", &flags, &result, path) != 3) continue;
    const std::string p(path);
    const std::string folder = "Sfx\\Collector\\";
    if (p.rfind(folder, 0) != 0) continue;
    const std::string name = p.substr(folder.size());
    std::string sound;
    if (name.rfind("ow", 0) == 0) {
      sound = flags == 17 ? "ow1" : "ow";
    } else if (name.rfind("smash", 0) == 0) {
      sound = "smash";
    } else if (name == "catch.wav" || name == "wrong.wav") {
      sound = name.substr(0, name.size() - 4);
    } else {
      continue;  // the endings' music
    }
    events.push_back({TimeOf(r.timed[i]), sound});
  }
  return events;
}

std::vector<Event> Predict(const std::vector<Fall>& falls, double x, bool left, int frameMs,
                           const std::vector<std::pair<long, long>>& paused) {
  std::vector<Event> events;
  for (std::size_t n = 0; n < falls.size(); ++n) {
    const Fall& f = falls[n];
    long end = std::numeric_limits<long>::max();
    for (std::size_t m = n + 1; m < falls.size(); ++m) {
      if (falls[m].index == f.index) {
        end = falls[m].t;
        break;
      }
    }
    const double cx = f.x + kHalf;
    const bool head = left ? x + 60 <= cx && cx <= x + 120 : x <= cx && cx <= x + 60;
    const bool over = cx >= x && x + 120 >= f.x;
    double line = 550;
    std::string sound = f.kind == kWanted ? "ow1" : "smash";
    if (head && f.y <= 380) {
      line = 350;
      sound = "ow";
    } else if (over) {
      if (f.y > 480) continue;  // below the basket it falls on for as long as the child stays
      line = 430;
      sound = f.kind == kWanted ? "catch" : "wrong";
    }
    long t = f.t + PassesTo(line, f.y, f.vy, frameMs) * frameMs;
    // While a dialog is open nothing moves; the first pass after it makes up the whole time.
    for (const auto& [open, close] : paused) {
      if (t > open && t <= close) t = close + frameMs;
    }
    if (t < end) events.push_back({t, sound});
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const Event& a, const Event& b) { return a.t < b.t; });
  return events;
}

::testing::AssertionResult SameEvents(const std::vector<Event>& want, const std::vector<Event>& got,
                                      int frameMs) {
  bool same = want.size() == got.size();
  for (std::size_t i = 0; same && i < want.size(); ++i) {
    same = want[i].sound == got[i].sound && std::abs(want[i].t - got[i].t) <= 2 * frameMs;
  }
  if (same) return ::testing::AssertionSuccess();
  std::ostringstream text;
  text << "expected:";
  for (const Event& e : want) text << " " << e.t << ":" << e.sound;
  text << "\n     got:";
  for (const Event& e : got) text << " " << e.t << ":" << e.sound;
  return ::testing::AssertionFailure() << text.str();
}

std::string Timeline::Script(long end) const {
  auto steps = steps_;
  std::stable_sort(steps.begin(), steps.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::string script;
  long now = start_;
  for (const auto& [t, step] : steps) {
    if (t > now) script += "wait " + std::to_string(t - now) + "\n";
    now = std::max(now, t);
    script += step + "\n";
  }
  if (end > now) script += "wait " + std::to_string(end - now) + "\n";
  return script;
}

namespace {

// Where the child stands to catch a fruit whose middle is cx, and how it gets there.
struct Reach {
  bool ok = false;
  long passes = 0;  // walking passes
  bool walkLeft = false;
  bool turnLeft = false, turnRight = false;  // a tap that only turns the child
  double x = 0;
  bool left = false;
};

Reach ReachUnder(double x, bool left, double cx, int frameMs) {
  // Facing left the basket is the left half (the head is over the right one); facing right
  // the other way round. The child walks to the nearest spot a little inside that half.
  struct Spot {
    double lo, hi;
    bool left;
  };
  const Spot spots[2] = {{cx - 54, cx - 6, true}, {cx - 131, cx - 66, false}};
  const double step = kWalk * frameMs;
  Reach best;
  for (const Spot& s : spots) {
    const double lo = std::max(s.lo, 8.0), hi = std::min(s.hi, 672.0);
    if (lo > hi) continue;
    const double aim = std::clamp(x, lo, hi);
    const long passes = std::lround(std::ceil(std::abs(aim - x) / step - 1e-9));
    const double at = x + (aim < x ? -1 : 1) * passes * step;
    if (at < lo - 2 || at > hi + 2) continue;
    if (best.ok && passes >= best.passes) continue;
    Reach r;
    r.ok = true;
    r.passes = passes;
    r.walkLeft = aim < x;
    r.x = at;
    const bool facing = passes > 0 ? r.walkLeft : left;
    r.turnLeft = s.left && !facing;
    r.turnRight = !s.left && facing;
    r.left = s.left;
    best = r;
  }
  return best;
}

}  // namespace

Catching PlanFiveCatches(Scenario& s, unsigned seed, int frameMs) {
  const long start = 10000 + seed;
  Catching plan{Timeline(start), {}, 0};
  plan.steps.At(start + kOpen, "click 550 150");
  double x = 400;
  bool left = false;
  long free = start + kLoop;  // no step before this
  long after = free;          // the next wanted fruit starts falling after this
  long until = free + 9000;
  for (int run = 0; run < 12 && plan.catchTimes.size() < 5; ++run) {
    const Result r = s.Run(plan.steps.Script(until), seed, {}, "plan");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(FirstTime(r, "show MenuForm"), start);
    // The catches planned so far happen when they are due (the run goes on beyond them).
    std::size_t done = 0;
    for (const Event& e : ReadEvents(r)) done += e.sound == "catch" && e.t <= after + 2 * frameMs;
    EXPECT_EQ(done, plan.catchTimes.size()) << "a planned catch did not happen";
    bool planned = false;
    for (const Fall& f : ReadFalls(r)) {
      if (f.kind != kWanted || f.t <= after) continue;
      const long head = f.t + PassesTo(350, f.y, f.vy, frameMs) * frameMs;
      const long caught = f.t + PassesTo(430, f.y, f.vy, frameMs) * frameMs;
      const Reach reach = ReachUnder(x, left, f.x + kHalf, frameMs);
      // Steps happen on the loop's passes, which fall on the fruit line's grid.
      const long begin = std::max(free, f.t + frameMs);
      const long ts = f.t + (begin - f.t + frameMs - 1) / frameMs * frameMs;
      const long te = ts + reach.passes * frameMs;
      if (!reach.ok || te + frameMs >= head) {
        // Out of reach: it meets the child where it stands (or the ground), and the next
        // wanted fruit comes after that.
        const std::vector<Event> meets = Predict({f}, x, left, frameMs);
        if (meets.empty()) continue;
        after = meets[0].t;
        if (meets[0].sound == "catch") plan.catchTimes.push_back(after);
        if (meets[0].sound == "ow1") ++plan.missed;
        if (plan.catchTimes.size() == 5) break;
        continue;
      }
      const char* key = reach.walkLeft ? "Left" : "Right";
      if (reach.passes > 0) {
        plan.steps.At(ts, std::string("keydown ") + key);
        plan.steps.At(te, std::string("keyup ") + key);
      }
      if (reach.turnLeft) plan.steps.At(te, "key Left");
      if (reach.turnRight) plan.steps.At(te, "key Right");
      x = reach.x;
      left = reach.left;
      plan.catchTimes.push_back(caught);
      after = caught;
      free = caught + 2 * frameMs;
      // Back towards the middle, from where the next apple is quicker to reach.
      const long back = std::lround(std::abs(kMiddle - x) / (kWalk * frameMs));
      if (plan.catchTimes.size() < 5 && back > 0) {
        left = kMiddle < x;
        const char* way = left ? "Left" : "Right";
        plan.steps.At(free, std::string("keydown ") + way);
        plan.steps.At(free + back * frameMs, std::string("keyup ") + way);
        x += (left ? -1 : 1) * back * kWalk * frameMs;
        free += back * frameMs;
      }
      until = free + 9000;
      planned = true;
      break;
    }
    if (!planned) until += 9000;
  }
  return plan;
}

}  // namespace scenario::collector
