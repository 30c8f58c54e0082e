// Raises a signal at a virtual time of a headless run, from the timer of a form that is loaded
// but never in front, so that the program meets the signal in its own event pump.
#pragma once
#include <csignal>

#include "platform/form.h"
#include "platform/runtime.h"

namespace testsupport {

class SignalAt final : public platform::Form {
 public:
  SignalAt(platform::Runtime& rt, int afterMs, int signal = SIGTERM)
      : Form(rt, "SignalAt", 0, 0, 1, 1), timer_(*this, afterMs, [this, signal] {
          timer_.SetEnabled(false);
          Unload();
          std::raise(signal);
        }) {}
  // Before the program's first form is shown, so that form is the one in front.
  void Arm() {
    Show();
    Hide();
    timer_.SetEnabled(true);
  }

 private:
  platform::Timer timer_;
};

}  // namespace testsupport
