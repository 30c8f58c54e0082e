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

  const char* windowed[] = {"kidplay", "--windowed"};
  ASSERT_TRUE(ParseRunOptions(2, windowed, &error));

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
}

}  // namespace
}  // namespace platform
