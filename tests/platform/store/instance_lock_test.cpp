#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
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

void Kill(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

TEST(InstanceLock, HolderKeepsOthersOutUntilReleasedOrKilled) {
  TempFolder tmp;
  const auto file = tmp.path() / "kidplay.lock";
  pid_t program = 0;
  {
    std::optional<InstanceLock> lock = InstanceLock::Acquire(file);
    ASSERT_TRUE(lock);
    EXPECT_FALSE(OtherProcessAcquires(file));
    InstanceLock moved = std::move(*lock);  // only the last owner releases it
    lock.reset();
    EXPECT_FALSE(OtherProcessAcquires(file));
    // A program the holder starts must not inherit the lock and keep it after the release.
    // posix_spawn returns only once the new program has replaced the child.
    char* argv[] = {const_cast<char*>("sleep"), const_cast<char*>("30"), nullptr};
    EXPECT_EQ(posix_spawn(&program, "/bin/sleep", nullptr, nullptr, argv, environ), 0);
  }
  EXPECT_TRUE(OtherProcessAcquires(file));
  Kill(program);
  EXPECT_FALSE(InstanceLock::Acquire("/dev/null/kidplay.lock"));

  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t holder = fork();
  if (holder == 0) {
    const auto lock = InstanceLock::Acquire(file);
    (void)!write(ready[1], lock ? "y" : "n", 1);
    pause();
    _exit(0);
  }
  char ok = 0;
  EXPECT_EQ(read(ready[0], &ok, 1), 1);
  EXPECT_EQ(ok, 'y');
  EXPECT_FALSE(InstanceLock::Acquire(file));
  Kill(holder);
  EXPECT_TRUE(InstanceLock::Acquire(file));
  close(ready[0]);
  close(ready[1]);
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
  const auto lockA = InstanceLock::Acquire(fileA), lockB = InstanceLock::Acquire(fileB);
  EXPECT_TRUE(lockA && lockB);
}

}  // namespace
