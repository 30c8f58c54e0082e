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

TEST(CommandLine, WithoutADisplayTheProgramSaysSoAndEndsBeforeOpeningSound) {
  // SDL's disk audio driver writes a file as soon as a sound device opens.
  for (const char* driver : {"SDL_VIDEODRIVER=offscreen", "SDL_VIDEODRIVER=dummy", ""}) {
    SCOPED_TRACE(driver);
    // Left to choose, SDL would use a console display where the machine has one.
    if (!*driver && fs::exists("/dev/dri")) continue;
    Scenario s;
    const fs::path audio = s.dir() / "audio.raw";
    const Launch l = s.RunCommand(
        "", kNoDisplay + " " + driver + " SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=" + audio.string(),
        20);
    EXPECT_EQ(l.status, 1);
    EXPECT_EQ(l.errors.rfind("no display: ", 0), 0u) << l.errors;
    EXPECT_EQ(Lines(l.errors), 1) << l.errors;
    EXPECT_FALSE(fs::exists(audio));
  }
}

TEST(CommandLine, HelpPrintsTheUsageAndEnds) {
  Scenario s;
  const Launch l = s.RunCommand("--help", kNoDisplay, 20);
  EXPECT_EQ(l.status, 0);
  EXPECT_NE(l.out.find("usage: kidplay"), std::string::npos) << l.out;
  EXPECT_NE(l.out.find("--headless --script FILE"), std::string::npos);
  EXPECT_EQ(l.errors, "");
}

// A script that is no plain text file, or too large, is refused before anything runs; so are
// screenshot names that would leave the shots folder.
TEST(CommandLine, ScriptsThatCannotBeUsedAreRefusedAtOnce) {
  Scenario s;
  const fs::path folder = s.dir() / "folder.script";
  fs::create_directories(folder);
  const fs::path pipe = s.dir() / "pipe.script";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const fs::path huge = s.dir() / "huge.script";
  std::ofstream(huge) << "wait 10\n";
  ASSERT_EQ(::truncate(huge.c_str(), 5 << 20), 0);
  auto write = [&](const std::string& name, const std::string& text) {
    std::ofstream(s.dir() / name, std::ios::binary) << text;
    return s.dir() / name;
  };
  struct Case {
    fs::path script;
    const char* says;
  };
  const Case cases[] = {
      {folder, "not a regular file"},
      {pipe, "not a regular file"},
      {huge, "larger than"},
      {s.dir() / "missing.script", "missing"},
      {write("up.script", "wait 10\nshot ../escaped.png\n"), "not a plain file name"},
      {write("nul.script", std::string("shot a\0b.png\n", 13)), "not a plain file name"},
      {write("wait.script", "wait 86400001\n"), "86400000"},
      {write("word.script", std::string(1 << 20, 'w') + "\n"), "unknown step 'www"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script.string());
    const Launch l = s.RunCommand("--headless --script '" + c.script.string() + "' --shots '" +
                                      (s.dir() / "shots").string() + "'",
                                  "", 20);
    EXPECT_EQ(l.status, 2);
    EXPECT_NE(l.errors.find(c.says), std::string::npos) << l.errors.substr(0, 300);
    EXPECT_EQ(Lines(l.errors), 1);
    EXPECT_LT(l.errors.size(), 400u);
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
