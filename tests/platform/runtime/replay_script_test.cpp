#include "platform/replay_script.h"

#include <gtest/gtest.h>

#include "platform/input.h"
#include "platform/run_options.h"

namespace platform {
namespace {

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
  ASSERT_EQ(script->steps.size(), 8u);
  EXPECT_EQ(script->steps[0].kind, ScriptStep::Kind::Move);
  EXPECT_EQ(script->steps[0].at, 0);
  EXPECT_EQ(script->steps[0].x, 10);
  EXPECT_EQ(script->steps[0].y, 20);
  EXPECT_EQ(script->steps[1].kind, ScriptStep::Kind::Click);
  EXPECT_EQ(script->steps[1].at, 500);
  EXPECT_EQ(script->steps[2].button, Buttons::kRight);
  EXPECT_EQ(script->steps[3].button, Buttons::kLeft);
  EXPECT_EQ(script->steps[4].at, 750);
  EXPECT_EQ(script->steps[4].key, Keys::kEscape);
  EXPECT_EQ(script->steps[5].key, 'A');
  EXPECT_EQ(script->steps[6].key, '7');
  EXPECT_EQ(script->steps[7].file, "menu.png");
  EXPECT_EQ(script->steps[7].line, 11);
  EXPECT_EQ(script->endAt, 790);
}

TEST(ReplayScript, MalformedLinesAreRefusedWithTheirNumber) {
  const char* bad[] = {
      "wait\n",       "wait -5\n",    "wait 1.5\n",    "move 10\n",
      "move 800 0\n", "click -1 5\n", "click 5 600\n", "down middle\n",
      "key Pause\n",  "key\n",        "keydown a\n",   "shot\n",
      "jump 1 2\n",   "move 1 2 3\n", "wait 5 5\n",    "dblclick 5\n",
  };
  for (const char* text : bad) {
    std::string error;
    const std::string script = std::string("wait 10\n") + text;
    EXPECT_FALSE(ParseScript(script, &error)) << text;
    EXPECT_EQ(error.rfind("line 2:", 0), 0u) << text << " -> " << error;
  }
}

// A byte-order mark is no step; a screenshot's name is a plain file name, so nothing lands
// outside the shots folder; an error echoes at most a short piece of what it could not read and
// says what it expected.
TEST(ReplayScript, ToleratesABomAndRefusesShotPathsAndLongWordsCleanly) {
  std::string error;
  auto script = ParseScript("\xEF\xBB\xBFwait 10\nshot a.png\n", &error);
  ASSERT_TRUE(script) << error;
  EXPECT_EQ(script->steps.size(), 1u);

  using namespace std::string_literals;
  for (const std::string& name : {"../x.png"s, "sub/x.png"s, "/tmp/x.png"s, "a\\b.png"s, "."s,
                                  ".."s, "x\0y.png"s, "x\x01.png"s, std::string(300, 'a')}) {
    EXPECT_FALSE(ParseScript("shot " + name + "\n", &error)) << name;
    EXPECT_NE(error.find("plain file name"), std::string::npos) << error;
  }
  for (const char* name : {"a.png", "menu-1_b.png", "...png"}) {
    EXPECT_TRUE(ParseScript("shot "s + name + "\n", &error)) << name << ": " << error;
  }

  const std::string huge(10 << 20, 'z');
  for (const std::string& line : {huge, "key " + huge, "shot " + huge}) {
    EXPECT_FALSE(ParseScript(line + "\n", &error));
    EXPECT_LT(error.size(), 120u);
    EXPECT_NE(error.find("zzz..."), std::string::npos) << error;
  }
  EXPECT_FALSE(ParseScript("wait 86400001\n", &error));
  EXPECT_NE(error.find("86400000"), std::string::npos) << error;
  EXPECT_TRUE(ParseScript("wait 86400000\n", &error)) << error;
}

TEST(ReplayScript, EveryKeyNameIsKnown) {
  for (const char* name : {"Escape", "Enter", "Space", "Backspace", "Tab", "Left", "Right", "Up",
                           "Down", "F1", "A", "Z", "0", "9"}) {
    EXPECT_TRUE(KeyCodeFromName(name)) << name;
  }
  EXPECT_EQ(*KeyCodeFromName("F1"), Keys::kF1);
  EXPECT_EQ(*KeyCodeFromName("Backspace"), Keys::kBackspace);
  EXPECT_FALSE(KeyCodeFromName("escape"));
  EXPECT_FALSE(KeyCodeFromName("AB"));
}

TEST(ReplayScript, KeysGiveTheirCharacters) {
  EXPECT_EQ(KeyCharacter(Keys::kEnter, false), 13);
  EXPECT_EQ(KeyCharacter(Keys::kSpace, false), 32);
  EXPECT_EQ(KeyCharacter('A', false), 'a');
  EXPECT_EQ(KeyCharacter('A', true), 'A');
  EXPECT_FALSE(KeyCharacter(Keys::kLeft, false));
  EXPECT_FALSE(KeyCharacter(Keys::kF1, false));
}

TEST(RunOptions, HeadlessRunsNeedAScriptAndNumbersAreChecked) {
  std::string error;
  const char* ok[] = {"kidplay", "--headless", "--script", "s.txt", "--trace",    "-",
                      "--shots", "out",        "--seed",   "42",    "--frame-ms", "16"};
  auto o = ParseRunOptions(12, ok, &error);
  ASSERT_TRUE(o) << error;
  EXPECT_TRUE(o->headless);
  EXPECT_EQ(o->scriptFile, "s.txt");
  EXPECT_EQ(o->traceFile, "-");
  EXPECT_EQ(o->shotsDir, "out");
  EXPECT_EQ(o->seed, 42u);
  EXPECT_EQ(o->frameMs, 16);

  EXPECT_FALSE(o->lock);

  const char* windowed[] = {"kidplay", "--windowed", "--lock"};
  o = ParseRunOptions(3, windowed, &error);
  ASSERT_TRUE(o) << error;
  EXPECT_TRUE(o->windowed);
  EXPECT_TRUE(o->lock);

  const char* noScript[] = {"kidplay", "--headless"};
  EXPECT_FALSE(ParseRunOptions(2, noScript, &error));
  const char* scriptOnly[] = {"kidplay", "--script", "x"};
  EXPECT_FALSE(ParseRunOptions(3, scriptOnly, &error));
  const char* badFrame[] = {"kidplay", "--headless", "--script", "x", "--frame-ms", "0"};
  EXPECT_FALSE(ParseRunOptions(6, badFrame, &error));
  const char* badSeed[] = {"kidplay", "--headless", "--script", "x", "--seed", "-1"};
  EXPECT_FALSE(ParseRunOptions(6, badSeed, &error));
  const char* missing[] = {"kidplay", "--headless", "--script"};
  EXPECT_FALSE(ParseRunOptions(3, missing, &error));
  const char* unknown[] = {"kidplay", "--fullscreen"};
  EXPECT_FALSE(ParseRunOptions(2, unknown, &error));
  const std::string huge(10 << 20, 'x');
  const char* hugeUnknown[] = {"kidplay", huge.c_str()};
  EXPECT_FALSE(ParseRunOptions(2, hugeUnknown, &error));
  EXPECT_LT(error.size(), 120u);
}

// The seed reaches past the 32-bit clock's wrap (2^31 ms); --help asks for nothing else.
TEST(RunOptions, TheSeedCoversTheClocksWrapAndHelpStandsAlone) {
  std::string error;
  const char* wrap[] = {"kidplay", "--headless", "--script", "x", "--seed", "4294967295"};
  auto o = ParseRunOptions(6, wrap, &error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->seed, 4294967295u);
  const char* beyond[] = {"kidplay", "--headless", "--script", "x", "--seed", "4294967296"};
  EXPECT_FALSE(ParseRunOptions(6, beyond, &error));
  EXPECT_NE(error.find("4294967295"), std::string::npos) << error;

  for (const char* help : {"--help", "-h"}) {
    const char* argv[] = {"kidplay", "--headless", help, "--bogus"};
    o = ParseRunOptions(4, argv, &error);
    ASSERT_TRUE(o) << help;
    EXPECT_TRUE(o->help);
  }
  EXPECT_NE(RunUsage().find("--headless --script FILE"), std::string::npos);
  EXPECT_NE(RunUsage().find("--lock"), std::string::npos);
}

}  // namespace
}  // namespace platform
