// The runtime: script input, timers, loops, modal dialogs and the signals that end a session.
// How forms stack on the screen shows in every scenario screenshot of an options dialog; a press
// let go on another form is the soak scenarios' (HeldButton).
#include "platform/runtime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "support/headless_run.h"

namespace platform {
namespace {

using testsupport::HeadlessRun;

// Records every event it receives as text, with the virtual time, in its own log or in one
// that several forms share.
class RecordingForm : public Form {
 public:
  RecordingForm(Runtime& rt, std::string name = "RecordingForm", int left = 0, int top = 0,
                int w = 800, int h = 600, std::vector<std::string>* shared = nullptr)
      : Form(rt, std::move(name), left, top, w, h), shared_(shared) {}
  std::vector<std::string> log;
  std::function<void()> onClick, onActivate, onKeyUp;
  std::function<void(int)> onKey;
  std::function<bool()> leaveOnEnd = [] { return true; };

  void Note(const std::string& what) {
    (shared_ ? *shared_ : log).push_back(std::to_string(runtime().NowMs()) + " " + what);
  }
  void Form_Load() override { Note("load"); }
  void Form_Activate() override {
    Note("activate");
    if (onActivate) onActivate();
  }
  void Form_Unload() override { Note("unload"); }
  void Form_Click() override {
    Note("click");
    if (onClick) onClick();
  }
  void Form_MouseDown(int b, int, double x, double y) override { Mouse("down", b, x, y); }
  void Form_MouseUp(int b, int, double x, double y) override { Mouse("up", b, x, y); }
  void Form_MouseMove(int b, int, double x, double y) override { Mouse("move", b, x, y); }
  void Form_KeyDown(int& k, int) override {
    Note("keydown " + std::to_string(k));
    if (onKey) onKey(k);
  }
  void Form_KeyUp(int& k, int) override {
    Note("keyup " + std::to_string(k));
    if (onKeyUp) onKeyUp();
  }
  void Form_KeyPress(int& k) override { Note("press " + std::to_string(k)); }
  void Form_DblClick() override { Note("dblclick"); }
  void Form_EndSession() override {
    Note(Name() + " told");
    if (leaveOnEnd()) Unload();
  }

 private:
  void Mouse(const char* what, int b, double x, double y) {
    Note(std::string(what) + " " + std::to_string(b) + " " + std::to_string(int(x)) + " " +
         std::to_string(int(y)));
  }
  std::vector<std::string>* shared_;
};

// The lines of a log without their times.
std::vector<std::string> Untimed(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& line : log) out.push_back(line.substr(line.find(' ') + 1));
  return out;
}

// Each script step becomes the events a window would give, at its virtual time.
TEST(Runtime, ScriptInputReachesTheFrontFormInOrderAndOnTime) {
  HeadlessRun run(
      "wait 100\nclick 5 6\nwait 20\nmove 7 8\ndown\nmove 9 10\nup\nkey Space\nkey Left\nwait "
      "30\ndblclick 5 6\n");
  auto& form = run.rt().Create<RecordingForm>();
  form.Show();
  const std::int64_t t0 = run.rt().NowMs();
  EXPECT_EQ(run.rt().Run(), 0);
  auto at = [&](int dt, const std::string& what) { return std::to_string(t0 + dt) + " " + what; };
  // A double click is two clicks and then the double click.
  const std::vector<std::string> expected = {
      at(0, "load"),          at(0, "activate"),     at(100, "move 0 5 6"), at(100, "down 1 5 6"),
      at(100, "up 1 5 6"),    at(100, "click"),      at(120, "move 0 7 8"), at(120, "down 1 7 8"),
      at(120, "move 1 9 10"), at(120, "up 1 9 10"),  at(120, "click"),      at(120, "keydown 32"),
      at(120, "press 32"),    at(120, "keyup 32"),   at(120, "keydown 37"), at(120, "keyup 37"),
      at(150, "move 0 5 6"),  at(150, "down 1 5 6"), at(150, "up 1 5 6"),   at(150, "click"),
      at(150, "move 0 5 6"),  at(150, "down 1 5 6"), at(150, "up 1 5 6"),   at(150, "click"),
      at(150, "dblclick")};
  EXPECT_EQ(form.log, expected);
  EXPECT_EQ(run.Trace(), (std::vector<std::string>{std::to_string(t0) + " show RecordingForm",
                                                   std::to_string(t0 + 150) + " end"}));
}

// A timer fires every interval on the virtual clock until it is disabled.
TEST(Runtime, TimersFireOnTheVirtualClockAndStopWhenDisabled) {
  HeadlessRun run("wait 1700\n");
  auto& form = run.rt().Create<RecordingForm>();
  std::vector<std::int64_t> fired;
  Timer timer(form, 500, [&] {
    fired.push_back(run.rt().NowMs());
    if (fired.size() == 3) timer.SetEnabled(false);
  });
  form.Show();
  const std::int64_t t0 = run.rt().NowMs();
  timer.SetEnabled(true);
  EXPECT_EQ(run.rt().Run(), 0);
  EXPECT_EQ(fired, (std::vector<std::int64_t>{t0 + 500, t0 + 1000, t0 + 1500}));
}

// A loop started by a key-down gets that key's release through its own DoEvents.
TEST(Runtime, ALoopInsideAKeyDownStillReceivesThatKeysRelease) {
  HeadlessRun run("key Enter\nwait 500\n");
  auto& form = run.rt().Create<RecordingForm>();
  bool released = false;
  std::int64_t loopTime = -1;
  form.onKeyUp = [&] { released = true; };
  form.onKey = [&](int) {
    const std::int64_t start = run.rt().NowMs();
    while (!released && run.rt().NowMs() - start < 400) run.rt().DoEvents();
    loopTime = run.rt().NowMs() - start;
  };
  form.Show();
  EXPECT_EQ(run.rt().Run(), 0);
  EXPECT_TRUE(released);
  EXPECT_EQ(loopTime, 10);  // one 10 ms pass: the release came through the loop's own pump
}

// A modal dialog takes the input (in its own pixels) until it unloads, then the game has it again.
TEST(Runtime, ModalDialogTakesTheInputAndReturnsWhenUnloaded) {
  HeadlessRun run(
      "click 50 50\nwait 10\nclick 50 50\nclick 310 260\nkey Enter\nwait 10\nclick 60 60\n"
      "wait 10\n");
  auto& form = run.rt().Create<RecordingForm>("GameForm");
  RecordingForm* dialogSeen = nullptr;
  std::vector<std::string> dialogLog;
  int clicks = 0;
  form.onClick = [&] {
    if (++clicks > 1) return;
    RecordingForm dialog(run.rt(), "GameOptions", 300, 250, 200, 100);
    dialogSeen = &dialog;
    dialog.onKey = [&](int k) {
      if (k == Keys::kEnter) dialog.Unload();
    };
    dialog.ShowModal();
    dialogLog = dialog.log;
    EXPECT_EQ(run.rt().FrontForm(), &form);
  };
  form.Show();
  EXPECT_EQ(run.rt().Run(), 0);
  ASSERT_NE(dialogSeen, nullptr);
  // The click outside the dialog was dropped; the one inside arrived in dialog pixels.
  EXPECT_EQ(Untimed(dialogLog),
            (std::vector<std::string>{"load", "activate", "move 0 10 10", "down 1 10 10",
                                      "up 1 10 10", "click", "keydown 13", "unload"}));
  EXPECT_EQ(clicks, 2);  // the click after the dialog closed reached the game again
  // The Enter that closed the dialog is not the game's: its character stays with the dialog,
  // only its release reaches the game.
  std::vector<std::string> gameKeys;
  for (const auto& what : Untimed(form.log)) {
    if (what.starts_with("key") || what.starts_with("press")) gameKeys.push_back(what);
  }
  EXPECT_EQ(gameKeys, std::vector<std::string>{"keyup 13"});
  const auto trace = run.Trace();
  ASSERT_GE(trace.size(), 3u);
  EXPECT_NE(trace[1].find("show GameOptions"), std::string::npos);
  EXPECT_NE(trace[2].find("unload GameOptions"), std::string::npos);
}

// SIGTERM and SIGINT reach the forms through the pump: the front form is told, then each form
// that comes to the front in its place; the last form gone, the program has ended at once.
TEST(EndSession, TheDialogInFrontIsToldFirstThenTheFormBehindIt) {
  for (const int signal : {SIGTERM, SIGINT}) {
    HeadlessRun run("wait 10\nclick 5 5\nwait 500\n");
    std::vector<std::string> log;
    auto& game = run.rt().Create<RecordingForm>("GameForm", 0, 0, 800, 600, &log);
    game.onClick = [&] {
      RecordingForm dialog(run.rt(), "GameOptions", 300, 250, 200, 100, &log);
      dialog.onActivate = [signal] { std::raise(signal); };
      dialog.ShowModal();
      game.Note("dialog closed");
    };
    game.Show();
    EXPECT_EQ(run.rt().Run(), 0);
    EXPECT_TRUE(run.rt().EndRequested());
    // Both in the pump pass after the signal: the dialog, and the game behind it as soon as the
    // dialog has gone and the game's handler has returned.
    std::vector<std::string> told;
    std::copy_if(log.begin(), log.end(), std::back_inserter(told), [](const std::string& l) {
      return l.ends_with(" told") || l.ends_with(" closed");
    });
    EXPECT_EQ(told, (std::vector<std::string>{"10010 GameOptions told", "10010 dialog closed",
                                              "10010 GameForm told"}))
        << signal;
    const auto trace = run.Trace();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "10010 signal"), 1);
    EXPECT_EQ(trace.back(), "10010 quit");
  }
}

// A form that does not leave when told is told again only at the next signal.
TEST(EndSession, AFormThatStaysIsToldAgainOnlyAtTheNextSignal) {
  HeadlessRun run("wait 10\nclick 5 5\nwait 100\nclick 5 5\nwait 100\n");
  std::vector<std::string> log;  // the form is gone once it has left
  auto& form = run.rt().Create<RecordingForm>("GameForm", 0, 0, 800, 600, &log);
  int told = 0;
  form.onClick = [] { std::raise(SIGTERM); };
  form.leaveOnEnd = [&] { return ++told == 2; };
  form.Show();
  EXPECT_EQ(run.rt().Run(), 0);
  std::vector<std::string> times;
  for (const auto& line : log) {
    if (line.ends_with(" told")) times.push_back(line);
  }
  EXPECT_EQ(times, (std::vector<std::string>{"10010 GameForm told", "10110 GameForm told"}));
  EXPECT_EQ(run.Trace().back(), "10110 quit");
}

}  // namespace
}  // namespace platform
