// Unusual starts: no display, --help, replay scripts that are no plain text file or hold bad
// lines, and a second copy while the lock is held. Each ends at once, cleanly, with one line on
// stderr that says why and the exit status the README gives.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/instance_lock.h"
#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// No window system to talk to, and only SDL's own fallbacks to show anything.
const std::string kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY";

int Lines(const std::string& text) {
  int n = 0;
  for (const char c : text) n += c == '\n';
  return n;
}

// Without a display (SDL's off-screen and dummy drivers, or none to choose), with --help, or
// with a script that is no plain text file, too large, or names screenshots that would leave
// the shots folder, the program ends before anything runs: with the README's exit status, one
// line on stderr that says why (the usage on stdout for --help), and no sound device opened
// (SDL's disk audio driver writes a file as soon as one opens).
TEST(CommandLine, UnusualStartsEndAtOnceWithOneLineThatSaysWhy) {
  Scenario s;
  const fs::path folder = s.dir() / "folder.script";
  fs::create_directories(folder);
  const fs::path pipe = s.dir() / "pipe.script";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const fs::path huge = s.dir() / "huge.script";
  std::ofstream(huge) << "wait 10\n";
  ASSERT_EQ(::truncate(huge.c_str(), 5 << 20), 0);
  auto script = [&](const std::string& name, const std::string& text = "") {
    if (!text.empty()) std::ofstream(s.dir() / name, std::ios::binary) << text;
    return "--headless --script '" + (s.dir() / name).string() + "' --shots '" +
           (s.dir() / "shots").string() + "'";
  };
  struct Case {
    std::string arguments;
    const char* environment;
    int status;
    const char* says;
  };
  std::vector<Case> cases = {
      {"", "SDL_VIDEODRIVER=offscreen", 1, "no display: "},
      {"", "SDL_VIDEODRIVER=dummy", 1, "no display: "},
      {"--help", "", 0, "usage: kidplay"},
      {script("folder.script"), "", 2, "not a regular file"},
      {script("pipe.script"), "", 2, "not a regular file"},
      {script("huge.script"), "", 2, "larger than"},
      {script("missing.script"), "", 2, "missing"},
      {script("up.script", "wait 10\nshot ../escaped.png\n"), "", 2, "not a plain file name"},
      {script("nul.script", std::string("shot a\0b.png\n", 13)), "", 2, "not a plain file name"},
      {script("wait.script", "wait 86400001\n"), "", 2, "86400000"},
      {script("word.script", std::string(1 << 20, 'w') + "\n"), "", 2, "unknown step 'www"},
  };
  // Left to choose, SDL would use a console display where the machine has one.
  if (!fs::exists("/dev/dri")) cases.push_back({"", "", 1, "no display: "});
  const fs::path audio = s.dir() / "audio.raw";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments + " " + c.environment);
    const Launch l = s.RunCommand(c.arguments,
                                  kNoDisplay + " " + c.environment +
                                      " SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + audio.string(),
                                  20);
    EXPECT_EQ(l.status, c.status);
    if (c.status == 0) {
      EXPECT_NE(l.out.find(c.says), std::string::npos) << l.out;
      EXPECT_NE(l.out.find("--headless --script FILE"), std::string::npos);
      EXPECT_EQ(l.errors, "");
    } else {
      EXPECT_NE(l.errors.find(c.says), std::string::npos) << l.errors.substr(0, 300);
      EXPECT_TRUE(c.status != 1 || l.errors.starts_with(c.says)) << l.errors;
      EXPECT_EQ(Lines(l.errors), 1);
      EXPECT_LT(l.errors.size(), 400u);
    }
    EXPECT_FALSE(fs::exists(audio));
  }
  EXPECT_FALSE(fs::exists(s.dir() / "escaped.png"));
}

// A second copy finds the lock before it opens a window or a sound device: it touches nothing
// (no "no display" either, with no display), leaves the running copy's lock alone, and says why
// it ends, at once.
TEST(CommandLine, ASecondCopyChecksTheLockFirstAndSaysItEnds) {
  Scenario s;
  const auto held = platform::InstanceLock::Acquire(s.dir() / "runtime" / "kidplay.lock");
  ASSERT_TRUE(held);
  const fs::path audio = s.dir() / "audio.raw";
  const Launch windowed = s.RunCommand(
      "",
      kNoDisplay +
          " SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + audio.string(),
      20);
  EXPECT_EQ(windowed.status, 0);
  EXPECT_NE(windowed.errors.find("another copy is already running"), std::string::npos)
      << windowed.errors;
  EXPECT_EQ(windowed.errors.find("no display"), std::string::npos) << windowed.errors;
  EXPECT_FALSE(fs::exists(audio));

  const Result headless = s.Run("wait 1000\nkey Escape\nwait 10\n");
  EXPECT_EQ(headless.status, 0);
  EXPECT_EQ(headless.timed, (std::vector<std::string>{"10000 unload MenuForm", "10000 quit"}));
  EXPECT_NE(headless.errors.find("another copy is already running"), std::string::npos);
  EXPECT_EQ(Lines(headless.errors), 1);
  // The second copies left the first's lock alone: its file is still the one held.
  EXPECT_FALSE(platform::InstanceLock::Acquire(s.dir() / "runtime" / "kidplay.lock"));
}

}  // namespace
}  // namespace scenario
