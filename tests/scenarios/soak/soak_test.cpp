// The soak: every game played by seeded random input (clicks, drags, held keys, every key name,
// options dialogs, leaving and coming back) for minutes of virtual time. A clean run has no
// crash, no sanitizer report, no error box, no hang, ends its trace with "end", and brings the
// menu back with the live surface count it first had.
//
// The seeds are fixed here; a longer run with fresh seeds comes from the environment:
//   KIDPLAY_SOAK_RUNS=N       N runs with new seeds (printed, so a failure can be replayed)
//   KIDPLAY_SOAK_SEEDS=a,b,.. runs with exactly these seeds
//   KIDPLAY_SOAK_MINUTES=M    virtual minutes of each game in each run (default 2)
//   KIDPLAY_SOAK_JOBS=J       runs side by side (default: the number of processors)
//   KIDPLAY_SOAK_FRAME_MS=F   virtual milliseconds per loop pass (default: 10, 16, 25 or 33,
//                             drawn from the seed)
//   KIDPLAY_SOAK_PROGRAM=P    soak this copy of the program (with its Gfx/, Sfx/, Data/, Fonts/)
//                             instead of the build's, so the build can go on meanwhile
// scripts/soak.sh sets these and runs the long soak in the sanitizer build.
#include "soak.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>

#include "support/scenario/scenario.h"

namespace soak {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  std::uint32_t seed = 0;
  int frameMs = 0;
  std::vector<std::string> problems;  // empty: the run was clean
  // Virtual milliseconds each game form was in front, from its show to its unload.
  std::array<std::int64_t, kGames> playedMs{};
  int returnsToMenu = 0;
  std::string replay;  // how to run the same script again by hand
};

std::string Seconds(std::int64_t ms) {
  return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s";
}

// A game form in front, from its show to its unload (or the end of the run), in virtual ms
// after the start of the run.
struct Stay {
  int game = -1;
  std::int64_t from = 0;
  std::int64_t to = 0;
};

std::vector<Stay> Stays(const scenario::Result& r, std::int64_t base, std::int64_t end) {
  std::vector<Stay> stays;
  std::array<std::int64_t, kGames> since{};
  since.fill(-1);
  for (const std::string& line : r.timed) {
    const std::string rest = line.substr(line.find(' ') + 1);
    const bool show = rest.starts_with("show "), unload = rest.starts_with("unload ");
    const auto game = std::find(kFormNames, kFormNames + kGames, rest.substr(rest.find(' ') + 1));
    if ((!show && !unload) || game == kFormNames + kGames) continue;
    const int g = static_cast<int>(game - kFormNames);
    const std::int64_t at = scenario::TimeOf(line) - base;
    if (show && since[g] < 0) since[g] = at;
    if (unload && since[g] >= 0) {
      stays.push_back({g, since[g], at});
      since[g] = -1;
    }
  }
  for (int g = 0; g < kGames; ++g) {
    if (since[g] >= 0) stays.push_back({g, since[g], end});
  }
  return stays;
}

// What a finished run's trace, status and error output say: besides the faults named above, a
// game that kept the child in, or a visit whose game never came to the front.
Outcome Judge(const Plan& plan, const scenario::Result& r) {
  Outcome o;
  o.seed = plan.seed;
  o.frameMs = plan.frameMs;
  auto problem = [&](const std::string& text) { o.problems.push_back(text); };
  if (r.status == 124 || r.status == 128 + 9)
    problem("hung: stopped after its wall-clock time ran out");
  else if (r.status != 0)
    problem("exit status " + std::to_string(r.status));
  if (!r.errors.empty()) problem("wrote on stderr:\n" + r.errors.substr(0, 4000));
  if (r.trace.empty()) {
    problem("no trace");
    return o;
  }
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i].starts_with("box ")) problem("error box at " + r.timed[i]);
    if (r.trace[i] == "quit")
      problem("the program ended at " + r.timed[i] + " (the script lost its way)");
  }
  const bool finished = r.trace.back() == "end";
  if (!finished) problem("the trace ends with \"" + r.trace.back() + "\"");

  const std::vector<int> counts = scenario::SurfacesAtMenu(r);
  o.returnsToMenu = static_cast<int>(counts.size()) - 1;
  for (std::size_t i = 1; i < counts.size(); ++i) {
    if (counts[i] != counts[0]) {
      problem("the menu came back with " + std::to_string(counts[i]) + " live surfaces (first " +
              std::to_string(counts[0]) + "), return " + std::to_string(i));
      break;
    }
  }

  // The menu shows first, at the start of the script.
  const std::int64_t base = scenario::TimeOf(r.timed.front());
  const std::int64_t end = scenario::TimeOf(r.timed.back()) - base;
  const std::vector<Stay> stays = Stays(r, base, end);
  for (const Stay& s : stays) {
    o.playedMs[s.game] += s.to - s.from;
    const std::string form = kFormNames[s.game];
    if (s.to - s.from > plan.longestVisit + 30000) {
      problem(form + " stayed in front from " + Seconds(s.from) + " to " + Seconds(s.to) +
              ": it did not let the child leave");
    }
    if (finished && s.to >= end) problem(form + " was still in front when the script ended");
  }
  // A run cut short says nothing of the visits it did not reach.
  for (const Visit& v : plan.visits) {
    if (v.end > end) break;
    if (std::none_of(stays.begin(), stays.end(), [&](const Stay& s) {
          return s.game == v.game && s.from >= v.start && s.from < v.end;
        })) {
      problem(std::string(kFormNames[v.game]) + " never came to the front in its visit from " +
              Seconds(v.start) + " to " + Seconds(v.end));
    }
  }
  return o;
}

// Keeps a failed run's script, trace and error output, and says how to replay it.
void KeepFailure(const Plan& plan, const scenario::Scenario& s, const std::string& program,
                 Outcome& outcome) {
  const fs::path folder = fs::absolute("soak-failures");
  std::error_code ec;
  fs::create_directories(folder, ec);
  const std::string stem = "seed-" + std::to_string(plan.seed);
  for (const char* ext : {".script", ".trace", ".err"})
    fs::copy_file(s.dir() / (std::string("soak") + ext), folder / (stem + ext),
                  fs::copy_options::overwrite_existing, ec);
  const std::string exe = program.empty() ? std::string(KIDPLAY_DIR) + "/kidplay" : program;
  outcome.replay = "kept in " + (folder / stem).string() +
                   ".{script,trace,err}; replay with: XDG_RUNTIME_DIR=$(mktemp -d) "
                   "XDG_CONFIG_HOME=$(mktemp -d) XDG_PICTURES_DIR=$(mktemp -d) " +
                   exe + " --headless --script " + (folder / (stem + ".script")).string() +
                   " --seed " + std::to_string(plan.seed) + " --frame-ms " +
                   std::to_string(plan.frameMs) +
                   " --trace -   (or again through the test: " + plan.again + ")";
}

// Runs several plans side by side, at most `jobs` at once, each in its own folders; `done`
// hears of each run as it ends. A run still going after `timeoutSeconds` of wall-clock time has
// hung: it is stopped and reported. `program` is the built kidplay unless given.
std::vector<Outcome> RunPlans(const std::vector<Plan>& plans, int timeoutSeconds, int jobs,
                              const std::function<void(const Outcome&)>& done = {},
                              const std::string& program = {}) {
  std::vector<Outcome> outcomes(plans.size());
  std::deque<std::pair<std::size_t, std::unique_ptr<scenario::Scenario>>> running;
  auto finish = [&] {
    auto& [index, scenario] = running.front();
    Outcome o = Judge(plans[index], scenario->Wait("soak"));
    if (!o.problems.empty()) KeepFailure(plans[index], *scenario, program, o);
    if (done) done(o);
    outcomes[index] = std::move(o);
    running.pop_front();
  };
  for (std::size_t i = 0; i < plans.size(); ++i) {
    if (static_cast<int>(running.size()) >= std::max(jobs, 1)) finish();
    auto s = std::make_unique<scenario::Scenario>();
    s->SetExtraOptions("--frame-ms " + std::to_string(plans[i].frameMs));
    s->SetTimeout(timeoutSeconds);
    // Light paint's camera button saves paintings: into the run's own folder.
    s->SetEnvironment("XDG_PICTURES_DIR", (s->dir() / "pictures").string());
    s->Start(plans[i].script, "soak", plans[i].seed, program);
    running.emplace_back(i, std::move(s));
  }
  while (!running.empty()) finish();
  return outcomes;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

constexpr std::int64_t kVisitMs = 40000;

std::string Report(const Outcome& o) {
  std::ostringstream out;
  out << "seed " << o.seed << " (--frame-ms " << o.frameMs << "):";
  for (const std::string& p : o.problems) out << "\n  " << p;
  if (!o.replay.empty()) out << "\n  " << o.replay;
  return out.str();
}

// Rounds of 40-second visits that give each game at least `minutes` virtual minutes, each run
// at its own loop pass length (drawn from the seed unless one is asked for): passes of different
// lengths meet different timing.
std::vector<Plan> Plans(const std::vector<std::uint32_t>& seeds, int minutes, int frameMs = 0) {
  std::vector<Plan> plans;
  for (std::uint32_t seed : seeds) {
    plans.push_back(
        MakePlan(seed, static_cast<int>((minutes * 60000 + kVisitMs - 1) / kVisitMs), kVisitMs));
    Plan& p = plans.back();
    p.frameMs = frameMs > 0 ? frameMs : std::vector{10, 16, 25, 33}[seed % 4];
    p.again = "KIDPLAY_SOAK_SEEDS=" + std::to_string(seed) +
              " KIDPLAY_SOAK_MINUTES=" + std::to_string(minutes) +
              " KIDPLAY_SOAK_FRAME_MS=" + std::to_string(p.frameMs) + " scripts/soak.sh";
  }
  return plans;
}

// Four runs of two rounds each: every game 40 s a visit, so 320 s of each in all, at four pass
// lengths. The sanitizer build and the normal build play different seeds; one seed in each takes
// its run across the 32-bit clock's wrap (the clock starts at 10000 ms plus the seed).
TEST(Soak, EveryGamePlaysTwoMinutesWithoutAFault) {
  const std::vector<std::uint32_t> seeds =
      kSanitized ? std::vector<std::uint32_t>{11, 2024, 77777, 2147483648u - 10000 - 250000}
                 : std::vector<std::uint32_t>{5, 4242, 90210, 2147483648u - 10000 - 350000};
  const std::vector<Outcome> outcomes =
      RunPlans(Plans(seeds, 1), kSanitized ? 900 : 300, static_cast<int>(seeds.size()));
  std::array<std::int64_t, kGames> played{};
  for (const Outcome& o : outcomes) {
    EXPECT_TRUE(o.problems.empty()) << Report(o);
    // Each visit leaves twice (the second time after starting the game again).
    EXPECT_GE(o.returnsToMenu, 2 * 2 * kGames) << o.seed;
    for (int g = 0; g < kGames; ++g) played[g] += o.playedMs[g];
  }
  for (int g = 0; g < kGames; ++g)
    EXPECT_GE(played[g], 120000) << kFormNames[g] << " was played only " << played[g] << " ms";
}

int NumberFromEnvironment(const char* name, int fallback) {
  const char* text = std::getenv(name);
  const int value = text ? std::atoi(text) : 0;
  return value > 0 ? value : fallback;
}

// The long soak: the seeds, minutes, jobs, pass length and program from the environment
// (scripts/soak.sh); every seed is printed, and each failure with its replay command.
TEST(Soak, LongRunFromTheEnvironment) {
  std::vector<std::uint32_t> seeds;
  std::stringstream list(std::getenv("KIDPLAY_SOAK_SEEDS") ? std::getenv("KIDPLAY_SOAK_SEEDS")
                                                           : "");
  for (std::string item; std::getline(list, item, ',');) {
    if (!item.empty()) seeds.push_back(static_cast<std::uint32_t>(std::stoul(item)));
  }
  std::mt19937 fresh(static_cast<std::uint32_t>(
      std::chrono::system_clock::now().time_since_epoch().count() ^ ::getpid()));
  for (int i = NumberFromEnvironment("KIDPLAY_SOAK_RUNS", 0); i > 0; --i) seeds.push_back(fresh());
  if (seeds.empty()) GTEST_SKIP() << "set KIDPLAY_SOAK_RUNS or KIDPLAY_SOAK_SEEDS";

  const int minutes = NumberFromEnvironment("KIDPLAY_SOAK_MINUTES", 2);
  const std::vector<Plan> plans =
      Plans(seeds, minutes, NumberFromEnvironment("KIDPLAY_SOAK_FRAME_MS", 0));
  // The sanitizer build plays a run in a small part of its virtual time; a run that takes as
  // long in wall-clock time has hung.
  const int timeout = 300 + static_cast<int>(plans[0].visits.size()) * 60;
  const int jobs = NumberFromEnvironment(
      "KIDPLAY_SOAK_JOBS", std::max(1, static_cast<int>(::sysconf(_SC_NPROCESSORS_ONLN))));
  const char* copy = std::getenv("KIDPLAY_SOAK_PROGRAM");

  std::cout << "soak: " << seeds.size() << " runs of " << plans[0].visits.size() / kGames
            << " rounds (" << minutes << " virtual minutes of each game), " << jobs
            << " at a time; seeds:";
  for (std::uint32_t s : seeds) std::cout << " " << s;
  std::cout << std::endl;
  int failed = 0;
  const auto print = [&](const Outcome& o) {
    if (!o.problems.empty()) {
      ++failed;
      std::cout << "FAILED " << Report(o) << std::endl;
      return;
    }
    std::cout << "seed " << o.seed << " (--frame-ms " << o.frameMs << "): clean;";
    for (int g = 0; g < kGames; ++g)
      std::cout << " " << kFormNames[g] << " " << o.playedMs[g] / 1000 << "s";
    std::cout << std::endl;
  };
  const std::vector<Outcome> outcomes = RunPlans(plans, timeout, jobs, print, copy ? copy : "");
  std::cout << "soak: " << outcomes.size() - failed << " of " << outcomes.size() << " runs clean"
            << std::endl;
  EXPECT_EQ(failed, 0);
}

}  // namespace
}  // namespace soak
