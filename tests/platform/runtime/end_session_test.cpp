// SIGTERM and SIGINT reach the forms through the pump: the front form is told, then each form
// that comes to the front in its place.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "support/headless_run.h"

namespace platform {
namespace {

using testsupport::HeadlessRun;

class NotingForm : public Form {
 public:
  NotingForm(Runtime& rt, std::string name, std::vector<std::string>& log, int left = 0,
             int top = 0, int w = 800, int h = 600)
      : Form(rt, name, left, top, w, h), log_(log) {}
  std::function<void()> onActivate;
  std::function<void()> onClick;
  std::function<bool()> leaveOnEnd = [] { return true; };

  void Form_Activate() override {
    if (onActivate) onActivate();
  }
  void Form_Click() override {
    if (onClick) onClick();
  }
  void Form_EndSession() override {
    log_.push_back(Name() + " told at " + std::to_string(runtime().NowMs()));
    if (leaveOnEnd()) Unload();
  }

 private:
  std::vector<std::string>& log_;
};

TEST(EndSession, TheDialogInFrontIsToldFirstThenTheFormBehindIt) {
  for (const int signal : {SIGTERM, SIGINT}) {
    HeadlessRun run("wait 10\nclick 5 5\nwait 500\n");
    std::vector<std::string> log;
    auto& game = run.rt().Create<NotingForm>("GameForm", log);
    game.onClick = [&] {
      NotingForm dialog(run.rt(), "GameOptions", log, 300, 250, 200, 100);
      dialog.onActivate = [signal] { std::raise(signal); };
      dialog.ShowModal();
      log.push_back("dialog closed");
    };
    game.Show();
    EXPECT_EQ(run.rt().Run(), 0);
    EXPECT_TRUE(run.rt().EndRequested());
    // Both at once, in the pump pass after the signal: the dialog, and the game behind it
    // as soon as the dialog has gone and the game's handler has returned.
    EXPECT_EQ(log, (std::vector<std::string>{"GameOptions told at 10010", "dialog closed",
                                             "GameForm told at 10010"}))
        << signal;
    const auto trace = run.Trace();
    EXPECT_EQ(std::count(trace.begin(), trace.end(), "10010 signal"), 1);
    EXPECT_EQ(trace.back(), "10010 quit");  // the last form left: the program ended
  }
}

TEST(EndSession, AFormThatStaysIsToldAgainOnlyAtTheNextSignal) {
  HeadlessRun run("wait 10\nclick 5 5\nwait 100\nclick 5 5\nwait 100\n");
  std::vector<std::string> log;
  auto& form = run.rt().Create<NotingForm>("GameForm", log);
  int told = 0;
  form.onClick = [] { std::raise(SIGTERM); };
  form.leaveOnEnd = [&] { return ++told == 2; };
  form.Show();
  EXPECT_EQ(run.rt().Run(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"GameForm told at 10010", "GameForm told at 10110"}));
  EXPECT_EQ(run.Trace().back(), "10110 quit");
}

}  // namespace
}  // namespace platform
