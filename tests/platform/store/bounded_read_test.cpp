// Every reader of outside data opens only regular files and reads only up to its limit: a named
// pipe without a writer, a folder, a link to an endless device or a huge file in place of a
// picture, cursor, sound or settings file is a prompt, clean failure of that one file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "platform/file_read.h"
#include "platform/form.h"
#include "platform/image_file.h"
#include "platform/settings.h"
#include "platform/wav.h"
#include "support/headless_run.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;
using platform::ReadProblem;

struct Hostile {
  const char* what;
  fs::path file;
  ReadProblem problem;
};

// The stand-ins, each under the name `name` in its own folder.
std::vector<Hostile> HostileFiles(const TempFolder& tmp, const std::string& name) {
  std::vector<Hostile> files;
  const fs::path pipe = tmp.path() / "pipe" / name;
  fs::create_directories(pipe.parent_path());
  EXPECT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  files.push_back({"a named pipe", pipe, ReadProblem::kNotRegular});
  const fs::path folder = tmp.path() / "folder" / name;
  fs::create_directories(folder);
  files.push_back({"a folder", folder, ReadProblem::kNotRegular});
  const fs::path zero = tmp.path() / "zero" / name;
  fs::create_directories(zero.parent_path());
  fs::create_symlink("/dev/zero", zero);
  files.push_back({"a link to /dev/zero", zero, ReadProblem::kNotRegular});
  // 3 GiB that take no room: a sparse file.
  const fs::path huge = tmp.path() / "huge" / name;
  fs::create_directories(huge.parent_path());
  const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
  EXPECT_EQ(::ftruncate(fd, off_t{3} << 30), 0);
  ::close(fd);
  files.push_back({"a 3 GiB file", huge, ReadProblem::kTooLarge});
  return files;
}

// Runs a read that must fail and must not block. A reader stuck on a pipe is released by
// opening the pipe's other end, so the test fails instead of hanging.
void ExpectPromptFailure(const std::function<bool()>& read, const Hostile& file) {
  auto result = std::async(std::launch::async, read);
  if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    ADD_FAILURE() << "the read blocked on " << file.what;
    const int fd = ::open(file.file.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  EXPECT_FALSE(result.get()) << file.what;
}

TEST(BoundedRead, RefusesWhatIsNotARegularFileOrTooLargeAndSaysWhy) {
  TempFolder tmp;
  for (const Hostile& file : HostileFiles(tmp, "data")) {
    ReadProblem problem = ReadProblem::kNone;
    ExpectPromptFailure(
        [&] { return platform::ReadBoundedFile(file.file, 1 << 20, &problem).has_value(); }, file);
    EXPECT_EQ(problem, file.problem) << file.what;
  }
  struct Case {
    std::string bytes;
    std::size_t limit;
    bool read;
  };
  const Case cases[] = {{"", 10, true}, {"0123456789", 10, true}, {"0123456789x", 10, false}};
  for (const Case& c : cases) {
    ReadProblem problem = ReadProblem::kNone;
    const auto text = platform::ReadBoundedText(tmp.Write("plain", c.bytes), c.limit, &problem);
    ASSERT_EQ(text.has_value(), c.read) << c.bytes;
    if (text) {
      EXPECT_EQ(*text, c.bytes);
    }
    EXPECT_EQ(problem, c.read ? ReadProblem::kNone : ReadProblem::kTooLarge);
  }
  ReadProblem problem = ReadProblem::kNone;
  EXPECT_FALSE(platform::ReadBoundedFile(tmp.path() / "none", 10, &problem));
  EXPECT_EQ(problem, ReadProblem::kMissing);
}

TEST(BoundedRead, EveryReaderOfOutsideFilesFailsCleanly) {
  TempFolder tmp;
  testsupport::HeadlessRun run("wait 10\n");
  platform::Form form(run.rt(), "TestForm");
  struct Reader {
    const char* name;
    std::function<bool(const fs::path&)> read;
  };
  const Reader readers[] = {
      {"picture", [](const fs::path& f) { return platform::LoadBmp(f.string()).has_value(); }},
      {"screenshot", [](const fs::path& f) { return platform::LoadPng(f.string()).has_value(); }},
      {"sound", [](const fs::path& f) { return platform::LoadWavFile(f.string()).has_value(); }},
      {"cursor", [&](const fs::path& f) { return form.SetMouseIcon(f.string()); }},
      {"settings read",
       [](const fs::path& f) {
         std::string problem;
         platform::SettingsStore store(f);
         const bool used = store.GetSetting("Dots", "GridSize", "20", &problem) != "20";
         return used || problem.empty();
       }},
      {"settings save",
       [](const fs::path& f) { return platform::SettingsStore(f).SaveSetting("Dots", "A", "1"); }},
  };
  for (const Reader& reader : readers) {
    SCOPED_TRACE(reader.name);
    for (const Hostile& file : HostileFiles(tmp, reader.name)) {
      ExpectPromptFailure([&] { return reader.read(file.file); }, file);
    }
  }
}

}  // namespace
