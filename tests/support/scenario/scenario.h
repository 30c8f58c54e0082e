// Runs the real program headless over a replay script and reads back its trace and screenshots.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace scenario {

namespace fs = std::filesystem;

struct Result {
  int status = -1;
  std::vector<std::string> trace;  // lines without their time
  std::vector<std::string> timed;  // lines as written, time first
  std::string errors;              // what the program wrote on stderr
};

// A run of the program with a command line of the test's own.
struct Launch {
  int status = -1;  // 124 when it had to be stopped
  std::string out;
  std::string errors;
};

class Scenario {
 public:
  Scenario();
  ~Scenario();

  // Runs `program` (the built kidplay by default) over the script with a seed.
  // `name` keeps several runs of one test apart.
  Result Run(const std::string& script, unsigned seed = 0, const fs::path& program = {},
             const std::string& name = "run");
  // Starts a run in the background; Wait() collects it.
  void Start(const std::string& script, const std::string& name, unsigned seed = 0,
             const fs::path& program = {});
  Result Wait(const std::string& name);

  // A screenshot of the last run (or of a named background run).
  platform::Surface Shot(const std::string& file, const std::string& name = "run") const;
  const fs::path& dir() const { return dir_; }
  // Further command-line options for the next runs, e.g. "--frame-ms 37".
  void SetExtraOptions(const std::string& options) { extra_ = options; }
  // Stops the next runs after this many seconds of wall-clock time (status 124): a hang then
  // fails its test instead of holding up the whole test run. 0: no limit.
  void SetTimeout(int seconds) { timeout_ = seconds; }
  // An environment variable for the next runs, e.g. XDG_PICTURES_DIR.
  void SetEnvironment(const std::string& name, const std::string& value) {
    env_.emplace_back(name, value);
  }

  // A copy of the program folder without one file (a program path like "Gfx/Menu/Bg.bmp").
  fs::path ProgramWithout(const std::string& missing);

  // Runs the built program with these arguments (and environment settings, "NAME=value ..."),
  // with this scenario's lock and settings folders; stopped after `seconds`.
  Launch RunCommand(const std::string& arguments, const std::string& environment, int seconds);

 private:
  std::string Command(const std::string& script, unsigned seed, const fs::path& program,
                      const std::string& name);
  Result Read(int status, const std::string& name) const;

  fs::path dir_;
  std::string extra_;
  int timeout_ = 0;
  std::vector<std::pair<std::string, std::string>> env_;
  std::vector<std::pair<std::string, int>> background_;
};

bool Contains(const std::vector<std::string>& lines, const std::string& line);
int Count(const std::vector<std::string>& lines, const std::string& line);
// The time written in front of a trace line.
long TimeOf(const std::string& timedLine);
// The live surface count written right after each `show MenuForm`, in order: a game that frees
// every picture it made brings the menu back to the same count each time.
std::vector<int> SurfacesAtMenu(const Result& result);

// True when the two pictures agree on every pixel of the rectangle.
bool SameRegion(const platform::Surface& a, const platform::Surface& b, int x, int y, int w, int h);

// The program's own pictures, from the build folder.
platform::Surface Picture(const std::string& programPath);

}  // namespace scenario
