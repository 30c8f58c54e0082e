// Replay scripts and the command line: what they read, and how they refuse what they cannot.
#include "platform/replay_script.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/input.h"
#include "platform/run_options.h"

namespace platform {
namespace {

using namespace std::string_literals;
using K = ScriptStep::Kind;

TEST(ReplayScript, StepsLieOnTheTimelineThatWaitsBuild) {
  std::string error;
  auto script = ParseScript(
      "# a comment line\n"
      "move 10 20   # trailing comment\n"
      "wait 500\n"
      "click 799 599\r\n"
      "down right\n"
      "up\n"
      "wait 250\n"
      "key Escape\n"
      "keydown A\n"
      "keyup 7\n"
      "shot menu.png\n"
      "wait 40\n",
      &error);
  ASSERT_TRUE(script) << error;
  // Kind, time, place, button, key, file and line of each step.
  using Step = std::tuple<K, std::int64_t, int, int, int, int, std::string, int>;
  std::vector<Step> steps;
  for (const ScriptStep& s : script->steps)
    steps.emplace_back(s.kind, s.at, s.x, s.y, s.button, s.key, s.file, s.line);
  EXPECT_EQ(steps, (std::vector<Step>{{K::Move, 0, 10, 20, 1, 0, "", 2},
                                      {K::Click, 500, 799, 599, 1, 0, "", 4},
                                      {K::Down, 500, 0, 0, Buttons::kRight, 0, "", 5},
                                      {K::Up, 500, 0, 0, Buttons::kLeft, 0, "", 6},
                                      {K::Key, 750, 0, 0, 1, Keys::kEscape, "", 8},
                                      {K::KeyDown, 750, 0, 0, 1, 'A', "", 9},
                                      {K::KeyUp, 750, 0, 0, 1, '7', "", 10},
                                      {K::Shot, 750, 0, 0, 1, 0, "menu.png", 11}}));
  EXPECT_EQ(script->endAt, 790);
  // A byte-order mark is no step.
  script = ParseScript("\xEF\xBB\xBFwait 10\nshot a.png\n", &error);
  ASSERT_TRUE(script) << error;
  EXPECT_EQ(script->steps.size(), 1u);
}

// Each refused with the number of its line and a short reason; a screenshot's name is a plain
// file name, so nothing lands outside the shots folder; an error echoes at most a short piece of
// what it could not read and says what it expected.
TEST(ReplayScript, MalformedLinesAreRefusedWithTheirNumberAndAShortReason) {
  const std::string huge(10 << 20, 'z');
  std::vector<std::pair<std::string, std::string>> bad = {{"wait 86400001", "86400000"},
                                                          {huge, "zzz..."},
                                                          {"key " + huge, "zzz..."},
                                                          {"shot " + huge, "zzz..."}};
  for (const char* line : {"wait", "wait -5", "wait 1.5", "move 10", "move 800 0", "click -1 5",
                           "click 5 600", "down middle", "key Pause", "key", "keydown a", "shot",
                           "jump 1 2", "move 1 2 3", "wait 5 5", "dblclick 5"}) {
    bad.emplace_back(line, "");
  }
  for (const std::string& name : {"../x.png"s, "sub/x.png"s, "/tmp/x.png"s, "a\\b.png"s, "."s,
                                  ".."s, "x\0y.png"s, "x\x01.png"s, std::string(300, 'a')}) {
    bad.emplace_back("shot " + name, "plain file name");
  }
  for (const auto& [line, says] : bad) {
    SCOPED_TRACE(line.substr(0, 40));
    std::string error;
    EXPECT_FALSE(ParseScript("wait 10\n" + line + "\n", &error));
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << error;
    EXPECT_NE(error.find(says), std::string::npos) << error;
    EXPECT_LT(error.size(), 120u);
  }
  for (const char* good : {"shot a.png", "shot menu-1_b.png", "shot ...png", "wait 86400000"}) {
    std::string error;
    EXPECT_TRUE(ParseScript(good + "\n"s, &error)) << good << ": " << error;
  }
}

TEST(ReplayScript, KeyNamesAndTheCharactersOfKeys) {
  const char* names[] = {"Escape", "Enter", "Space", "Backspace", "Tab", "Left", "Right",
                         "Up",     "Down",  "F1",    "A",         "Z",   "0",    "9"};
  const int codes[] = {Keys::kEscape, Keys::kEnter, Keys::kSpace, Keys::kBackspace,
                       Keys::kTab,    Keys::kLeft,  Keys::kRight, Keys::kUp,
                       Keys::kDown,   Keys::kF1,    'A',          'Z',
                       '0',           '9'};
  for (int i = 0; i < 14; ++i) EXPECT_EQ(KeyCodeFromName(names[i]), codes[i]) << names[i];
  EXPECT_FALSE(KeyCodeFromName("escape"));
  EXPECT_FALSE(KeyCodeFromName("AB"));
  const std::tuple<int, bool, int> characters[] = {
      {Keys::kEnter, false, 13}, {Keys::kSpace, false, 32}, {'A', false, 'a'},
      {'A', true, 'A'},          {Keys::kLeft, false, 0},   {Keys::kF1, false, 0}};
  for (const auto& [key, shift, character] : characters)
    EXPECT_EQ(KeyCharacter(key, shift).value_or(0), character) << key;
}

std::optional<RunOptions> Parse(std::vector<const char*> args, std::string* error) {
  args.insert(args.begin(), "kidplay");
  return ParseRunOptions(static_cast<int>(args.size()), args.data(), error);
}

// Headless runs need a script; numbers are checked, and the seed reaches past the 32-bit clock's
// wrap (2^31 ms); --help asks for nothing else.
TEST(RunOptions, ReadsEveryOptionAndRefusesMistakesBriefly) {
  std::string error;
  auto o = Parse({"--headless", "--script", "s.txt", "--trace", "-", "--shots", "out", "--seed",
                  "4294967295", "--frame-ms", "16"},
                 &error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(std::tuple(o->headless, o->scriptFile, o->traceFile, o->shotsDir, o->seed, o->frameMs,
                       o->lock, o->windowed),
            std::tuple(true, "s.txt"s, "-"s, "out"s, 4294967295u, 16, false, false));
  o = Parse({"--windowed", "--lock"}, &error);
  ASSERT_TRUE(o) << error;
  EXPECT_TRUE(o->windowed && o->lock && !o->headless);
  for (const char* help : {"--help", "-h"}) {
    o = Parse({"--headless", help, "--bogus"}, &error);
    ASSERT_TRUE(o) << help;
    EXPECT_TRUE(o->help);
  }
  EXPECT_NE(RunUsage().find("--lock"), std::string::npos);

  const std::string huge(10 << 20, 'x');
  const std::vector<const char*> refused[] = {
      {"--headless"},
      {"--script", "x"},
      {"--headless", "--script", "x", "--frame-ms", "0"},
      {"--headless", "--script", "x", "--seed", "-1"},
      {"--headless", "--script", "x", "--seed", "4294967296"},
      {"--headless", "--script"},
      {"--fullscreen"},
      {huge.c_str()}};
  for (const auto& args : refused) {
    EXPECT_FALSE(Parse(args, &error)) << std::string(args.back()).substr(0, 20);
    EXPECT_LT(error.size(), 120u);
  }
  EXPECT_NE(error.find("x..."), std::string::npos) << error;  // the huge word cut short
  Parse({"--headless", "--script", "x", "--seed", "4294967296"}, &error);
  EXPECT_NE(error.find("4294967295"), std::string::npos) << error;
}

}  // namespace
}  // namespace platform
