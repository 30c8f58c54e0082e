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

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

namespace soak {
namespace {

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
