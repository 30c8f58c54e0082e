#include "platform/instance_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "temp_folder.h"

namespace {

using platform::InstanceLock;

// Whether a fresh process can take the lock on `file` right now.
bool OtherProcessAcquires(const std::filesystem::path& file) {
  const pid_t pid = fork();
  if (pid == 0) _exit(InstanceLock::Acquire(file) ? 0 : 1);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(InstanceLock, HeldLockKeepsOtherProcessesOutUntilReleased) {
  TempFolder tmp;
  const auto file = tmp.path() / "kidplay.lock";
  {
    std::optional<InstanceLock> lock = InstanceLock::Acquire(file);
    ASSERT_TRUE(lock);
    EXPECT_FALSE(OtherProcessAcquires(file));
    // Moving the lock keeps it held; only the last owner releases it.
    InstanceLock moved = std::move(*lock);
    lock.reset();
    EXPECT_FALSE(OtherProcessAcquires(file));
  }
  EXPECT_TRUE(OtherProcessAcquires(file));
  EXPECT_FALSE(InstanceLock::Acquire("/dev/null/kidplay.lock"));
}

TEST(InstanceLock, KilledHolderDoesNotBlockTheNextStart) {
  TempFolder tmp;
  const auto file = tmp.path() / "kidplay.lock";
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    auto lock = InstanceLock::Acquire(file);
    const char ok = lock ? 'y' : 'n';
    (void)!write(ready[1], &ok, 1);
    pause();
    _exit(0);
  }
  char ok = 0;
  ASSERT_EQ(read(ready[0], &ok, 1), 1);
  EXPECT_EQ(ok, 'y');
  EXPECT_FALSE(InstanceLock::Acquire(file));
  kill(holder, SIGKILL);
  waitpid(holder, nullptr, 0);
  EXPECT_TRUE(InstanceLock::Acquire(file));
  close(ready[0]);
  close(ready[1]);
}

TEST(InstanceLock, ProgramsStartedByTheHolderDoNotInheritTheLock) {
  TempFolder tmp;
  const auto file = tmp.path() / "kidplay.lock";
  pid_t child;
  {
    auto lock = InstanceLock::Acquire(file);
    ASSERT_TRUE(lock);
    // The pipe's write end closes when the child's exec succeeds; EOF says it has happened.
    int execed[2];
    ASSERT_EQ(pipe2(execed, O_CLOEXEC), 0);
    child = fork();
    if (child == 0) {
      execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(execed[1]);
    char byte;
    EXPECT_EQ(read(execed[0], &byte, 1), 0);
    close(execed[0]);
  }
  EXPECT_TRUE(OtherProcessAcquires(file));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

TEST(InstanceLock, EachRuntimeFolderHasItsOwnLock) {
  TempFolder a, b;
  const char* old = getenv("XDG_RUNTIME_DIR");
  const std::string saved = old ? old : "";
  setenv("XDG_RUNTIME_DIR", a.path().c_str(), 1);
  const auto fileA = InstanceLock::DefaultFile();
  setenv("XDG_RUNTIME_DIR", b.path().c_str(), 1);
  const auto fileB = InstanceLock::DefaultFile();
  unsetenv("XDG_RUNTIME_DIR");
  const auto fallback = InstanceLock::DefaultFile();
  if (old) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);

  EXPECT_EQ(fileA, a.path() / "kidplay.lock");
  EXPECT_EQ(fileB, b.path() / "kidplay.lock");
  EXPECT_EQ(fallback.filename(), "kidplay-" + std::to_string(getuid()) + ".lock");
  auto lockA = InstanceLock::Acquire(fileA);
  auto lockB = InstanceLock::Acquire(fileB);
  EXPECT_TRUE(lockA && lockB);
}

}  // namespace
