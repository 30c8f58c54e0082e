// Runs soak scripts and reads their traces: what went wrong in a run, and how long each game
// was played.
#include <algorithm>
#include <deque>
#include <filesystem>
#include <memory>

#include "soak.h"
#include "support/scenario/scenario.h"

namespace soak {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

std::vector<Outcome> RunPlans(const std::vector<Plan>& plans, int timeoutSeconds, int jobs,
                              const std::function<void(const Outcome&)>& done,
                              const std::string& program) {
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

}  // namespace soak
