#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

// Reads into any container of bytes. The size is taken from the open descriptor, and no more
// than `maxBytes` + 1 bytes are ever read, so a file that grows while it is read fails too.
template <typename Bytes>
std::optional<Bytes> ReadInto(const std::filesystem::path& file, std::size_t maxBytes,
                              ReadProblem* problem) {
  auto fail = [problem](ReadProblem why) -> std::optional<Bytes> {
    if (problem) *problem = why;
    return std::nullopt;
  };
  if (problem) *problem = ReadProblem::kNone;
  int fd;
  // Without a writer a named pipe would block the open; non-blocking, it opens at once and the
  // check below refuses it.
  do {
    fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    return fail(errno == ENOENT || errno == ENOTDIR ? ReadProblem::kMissing
                                                    : ReadProblem::kUnreadable);
  }
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};

  struct stat info {};
  if (::fstat(fd, &info) != 0) return fail(ReadProblem::kUnreadable);
  if (!S_ISREG(info.st_mode)) return fail(ReadProblem::kNotRegular);
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
    return fail(ReadProblem::kTooLarge);

  Bytes bytes;
  bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t done = 0;
  while (true) {
    if (done == bytes.size()) {
      if (bytes.size() > maxBytes) return fail(ReadProblem::kTooLarge);
      bytes.resize(std::min(maxBytes + 1, bytes.size() * 2 + 4096));
    }
    const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n < 0) return fail(ReadProblem::kUnreadable);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done > maxBytes) return fail(ReadProblem::kTooLarge);
  bytes.resize(done);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadBoundedFile(const std::filesystem::path& file,
                                                         std::size_t maxBytes,
                                                         ReadProblem* problem) {
  return ReadInto<std::vector<std::uint8_t>>(file, maxBytes, problem);
}

std::optional<std::string> ReadBoundedText(const std::filesystem::path& file, std::size_t maxBytes,
                                           ReadProblem* problem) {
  return ReadInto<std::string>(file, maxBytes, problem);
}

std::string DescribeReadProblem(ReadProblem problem, std::size_t maxBytes) {
  switch (problem) {
    case ReadProblem::kNone:
      return "read";
    case ReadProblem::kMissing:
      return "missing";
    case ReadProblem::kNotRegular:
      return "not a regular file";
    case ReadProblem::kTooLarge:
      return "larger than " + std::to_string(maxBytes) + " bytes";
    case ReadProblem::kUnreadable:
      break;
  }
  return "cannot be read";
}

}  // namespace platform
