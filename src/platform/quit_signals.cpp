#include "platform/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>

namespace platform {
namespace {

// Lock-free atomics are safe in a handler and between threads (a signal may arrive on any).
std::atomic<bool> received{false};
// The write end is used by the handler, the read end by the watcher; -1 without a watcher.
std::atomic<int> wakeWrite{-1};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
int wakeRead = -1;
bool active = false;  // one instance at a time catches the signals
struct sigaction previousTerm {};
struct sigaction previousInt {};

constexpr char kSignalled = 's';
constexpr char kStop = 'x';

void OnQuitSignal(int) {
  const int saved = errno;
  received = true;
  if (const int fd = wakeWrite; fd >= 0) {
    const char byte = kSignalled;
    [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
  }
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> wake) : wake_(std::move(wake)) {
  if (active) return;
  active = true;
  installed_ = true;
  received = false;
  int fds[2];
  if (wake_ && ::pipe2(fds, O_CLOEXEC) == 0) {
    // A full pipe must never block the handler; a wake-up already queued is enough.
    ::fcntl(fds[1], F_SETFL, O_NONBLOCK);
    wakeRead = fds[0];
    wakeWrite = fds[1];
    watcher_ = std::thread([this] { Watch(); });
  }
  struct sigaction action {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, &previousTerm);
  sigaction(SIGINT, &action, &previousInt);
}

QuitSignals::~QuitSignals() {
  if (!installed_) return;
  sigaction(SIGTERM, &previousTerm, nullptr);
  sigaction(SIGINT, &previousInt, nullptr);
  if (watcher_.joinable()) {
    const char byte = kStop;
    // The stop byte goes through a blocking write: it must arrive.
    ::fcntl(wakeWrite, F_SETFL, 0);
    while (::write(wakeWrite, &byte, 1) < 0 && errno == EINTR) {
    }
    watcher_.join();
  }
  const int w = wakeWrite;
  wakeWrite = -1;
  if (w >= 0) ::close(w);
  if (wakeRead >= 0) ::close(wakeRead);
  wakeRead = -1;
  active = false;
}

bool QuitSignals::Take() {
  return received.exchange(false);
}

void QuitSignals::Watch() {
  while (true) {
    char byte = 0;
    const ssize_t n = ::read(wakeRead, &byte, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || byte == kStop) return;
    wake_();
  }
}

}  // namespace platform
