// A settings file that cannot be read or written is told once on stderr; the trace shows each
// value that could not be stored, and the grown-up's choices still hold until the program ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// A folder for the file, a file for its folder, a file too large: one line on stderr, each
// value that could not be stored traced, and the grown-up's choices hold for the run.
TEST(SettingsFailures, AreToldOnceAndTheChoicesHoldForTheRun) {
  struct Case {
    const char* what;
    void (*make)(const fs::path& folder);  // the "Kidplay" folder below the config folder
    const char* says;
  };
  const Case cases[] = {
      {"a folder in place of the file",
       [](const fs::path& folder) { fs::create_directories(folder / "settings.ini"); },
       "not a regular file"},
      {"a file in place of its folder",
       [](const fs::path& folder) { std::ofstream(folder.string()) << "x"; }, "cannot write"},
      {"a file too large to read",
       [](const fs::path& folder) {
         fs::create_directories(folder);
         const fs::path file = folder / "settings.ini";
         std::ofstream(file) << "[Dots]\nGridSize=30\n";
         ASSERT_EQ(::truncate(file.c_str(), 2 << 20), 0);
       },
       "larger than"},
  };
  // The Dots at the far distance (30) with OK, out and in again: a press 29 pixels from the
  // fish's first dot still starts a line. Then the Maze stores its options as it ends.
  const std::string script =
      "wait 600\nclick 150 325\nwait 100\n"
      "key F1\nwait 50\nclick 528 215\nwait 20\nclick 335 430\nwait 50\n"
      "key F1\nwait 50\nclick 335 430\nwait 50\n"
      "key Escape\nwait 700\nclick 150 325\nwait 100\n"
      "move 661 311\ndown\nup\nwait 20\nmove 612 374\ndown\nup\nwait 20\n"
      "key Escape\nwait 700\nclick 400 325\nwait 300\nkey Escape\nwait 700\nkey Escape\nwait 50\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    c.make(s.dir() / "config" / "Kidplay");
    const Result r = s.Run(script);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(Count(r.trace, "setting-failed Dots GridSize 30"), 2);
    EXPECT_TRUE(Contains(r.trace, "setting-failed Maze Skill 2"));
    for (const auto& line : r.trace) EXPECT_NE(line.rfind("setting ", 0), 0u) << line;
    EXPECT_EQ(Count(r.trace, "sound 1 1 Sfx\\Dots\\rubduck3.wav"), 1);
    EXPECT_EQ(std::count(r.errors.begin(), r.errors.end(), '\n'), 1) << r.errors;
    EXPECT_EQ(r.errors.rfind("kidplay: settings: ", 0), 0u) << r.errors;
    EXPECT_NE(r.errors.find(c.says), std::string::npos) << r.errors;
  }
  // Where the file can be written, each stored value shows as "setting".
  Scenario s;
  const Result r = s.Run(script);
  EXPECT_EQ(Count(r.trace, "setting Dots GridSize 30"), 2);
  EXPECT_EQ(Count(r.trace, "sound 1 1 Sfx\\Dots\\rubduck3.wav"), 1);
  EXPECT_EQ(r.errors, "");
}

}  // namespace
}  // namespace scenario
