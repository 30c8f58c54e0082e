// Ending the program from outside: SIGTERM (a logout, a shutdown) and SIGINT (Ctrl+C) are
// caught and only noted, so that the program ends in its own order at the next pump pass.
#pragma once
#include <functional>
#include <thread>

namespace platform {

class QuitSignals {
 public:
  // Catches both signals while it lives; the handlers before it come back afterwards. `wake`,
  // when given, runs on a helper thread after every signal, to break an event wait: the
  // handler itself may do nothing but note the signal.
  explicit QuitSignals(std::function<void()> wake = {});
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // Whether a signal arrived since the last call.
  bool Take();

 private:
  void Watch();

  bool installed_ = false;
  std::function<void()> wake_;
  std::thread watcher_;
};

}  // namespace platform
