#include "soak_check.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace soak {

namespace fs = std::filesystem;

namespace {

int GameOfForm(const std::string& form) {
  for (int i = 0; i < kGames; ++i) {
    if (form == kFormNames[i]) return i;
  }
  return -1;
}

std::string Seconds(std::int64_t ms) {
  return std::to_string(ms / 1000) + "." + std::to_string(ms % 1000 / 100) + " s";
}

// The shows and unloads of the game forms, and the time each spent in front.
struct Stay {
  int game = -1;
  std::int64_t from = 0;  // virtual ms after the start of the run
  std::int64_t to = 0;
};

std::vector<Stay> Stays(const scenario::Result& r, std::int64_t base, std::int64_t end) {
  std::vector<Stay> stays;
  std::array<std::int64_t, kGames> since{};
  since.fill(-1);
  for (const std::string& line : r.timed) {
    const auto space = line.find(' ');
    if (space == std::string::npos) continue;
    const std::string rest = line.substr(space + 1);
    const bool show = rest.rfind("show ", 0) == 0, unload = rest.rfind("unload ", 0) == 0;
    if (!show && !unload) continue;
    const int game = GameOfForm(rest.substr(rest.find(' ') + 1));
    if (game < 0) continue;
    const std::int64_t at = scenario::TimeOf(line) - base;
    if (show && since[game] < 0) since[game] = at;
    if (unload && since[game] >= 0) {
      stays.push_back({game, since[game], at});
      since[game] = -1;
    }
  }
  for (int g = 0; g < kGames; ++g) {
    if (since[g] >= 0) stays.push_back({g, since[g], end});
  }
  return stays;
}

void KeepFailure(const Plan& plan, const scenario::Scenario& s, const std::string& name,
                 const std::string& program, Outcome& outcome) {
  const fs::path folder = fs::absolute("soak-failures");
  std::error_code ec;
  fs::create_directories(folder, ec);
  const std::string stem = "seed-" + std::to_string(plan.seed);
  for (const char* ext : {".script", ".trace", ".err"})
    fs::copy_file(s.dir() / (name + ext), folder / (stem + ext),
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
  for (const std::string& line : r.timed) {
    const auto space = line.find(' ');
    const std::string rest = space == std::string::npos ? line : line.substr(space + 1);
    if (rest.rfind("box ", 0) == 0) problem("error box at " + line);
    if (rest == "quit") problem("the program ended at " + line + " (the script lost its way)");
  }
  if (r.trace.back() != "end") problem("the trace ends with \"" + r.trace.back() + "\"");

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
    if (s.to - s.from > plan.longestVisit + 30000) {
      problem(std::string(kFormNames[s.game]) + " stayed in front from " + Seconds(s.from) +
              " to " + Seconds(s.to) + ": it did not let the child leave");
    }
  }
  // A run cut short says nothing of the visits it did not reach.
  const bool finished = r.trace.back() == "end";
  for (const Visit& v : plan.visits) {
    if (v.end > end) break;
    const bool shown = std::any_of(stays.begin(), stays.end(), [&](const Stay& s) {
      return s.game == v.game && s.from >= v.start && s.from < v.end;
    });
    if (!shown) {
      problem(std::string(kFormNames[v.game]) + " never came to the front in its visit from " +
              Seconds(v.start) + " to " + Seconds(v.end));
    }
  }
  for (const Stay& s : stays) {
    if (finished && s.to >= end)
      problem(std::string(kFormNames[s.game]) + " was still in front when the script ended");
  }
  return o;
}

std::vector<Outcome> RunPlans(const std::vector<Plan>& plans, int timeoutSeconds, int jobs,
                              const std::function<void(const Outcome&)>& done,
                              const std::string& program) {
  std::vector<Outcome> outcomes(plans.size());
  struct Running {
    std::size_t index;
    std::unique_ptr<scenario::Scenario> scenario;
  };
  std::deque<Running> running;
  auto finish = [&] {
    Running& run = running.front();
    const scenario::Result r = run.scenario->Wait("soak");
    Outcome o = Judge(plans[run.index], r);
    if (!o.problems.empty()) KeepFailure(plans[run.index], *run.scenario, "soak", program, o);
    if (done) done(o);
    outcomes[run.index] = std::move(o);
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
    running.push_back({i, std::move(s)});
  }
  while (!running.empty()) finish();
  return outcomes;
}

}  // namespace soak
