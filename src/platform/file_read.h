// Reading whole files that come from outside the program (pictures, cursors, sounds, fonts, dot
// pictures, the settings file, replay scripts): only regular files, and only up to a size that
// fits their kind. A named pipe, a device, a folder or a huge file is a clean failure of that one
// file, never a hang or an exhausted memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The largest file of each kind the program reads; every real one is far smaller.
namespace FileLimits {
constexpr std::size_t kPicture = std::size_t{64} << 20;
constexpr std::size_t kCursor = std::size_t{1} << 20;
constexpr std::size_t kSound = std::size_t{64} << 20;
constexpr std::size_t kFont = std::size_t{32} << 20;
constexpr std::size_t kDotPicture = std::size_t{1} << 20;
constexpr std::size_t kSettings = std::size_t{1} << 20;
constexpr std::size_t kScript = std::size_t{4} << 20;
}  // namespace FileLimits

enum class ReadProblem { kNone, kMissing, kNotRegular, kTooLarge, kUnreadable };

// The whole file, or nothing (with the reason in `problem`) when it is missing, not a regular
// file, larger than `maxBytes` or cannot be read. Opening never blocks, so a named pipe in
// place of a file fails at once.
std::optional<std::vector<std::uint8_t>> ReadBoundedFile(const std::filesystem::path& file,
                                                         std::size_t maxBytes,
                                                         ReadProblem* problem = nullptr);
// The same as text.
std::optional<std::string> ReadBoundedText(const std::filesystem::path& file, std::size_t maxBytes,
                                           ReadProblem* problem = nullptr);

// A few words for a message: "not a regular file", "larger than 1048576 bytes", ...
std::string DescribeReadProblem(ReadProblem problem, std::size_t maxBytes);

}  // namespace platform
