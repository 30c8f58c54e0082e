#include "platform/run_options.h"

#include <charconv>
#include <string_view>

namespace platform {
namespace {

template <typename T>
bool ParseNumber(std::string_view text, T min, T max, T& out) {
  T value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < min || value > max)
    return false;
  out = value;
  return true;
}

}  // namespace

std::optional<RunOptions> ParseRunOptions(int argc, const char* const* argv, std::string* error) {
  RunOptions o;
  auto fail = [&](const std::string& text) -> std::optional<RunOptions> {
    if (error) *error = text;
    return std::nullopt;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--windowed") {
      o.windowed = true;
    } else if (arg == "--report-startup") {
      o.reportStartup = true;
    } else if (arg == "--trace-frames") {
      o.traceFrames = true;
    } else if (arg == "--script" || arg == "--trace" || arg == "--shots") {
      const char* v = value();
      if (!v || !*v) return fail(std::string(arg) + " needs a value");
      (arg == "--script" ? o.scriptFile : arg == "--trace" ? o.traceFile : o.shotsDir) = v;
    } else if (arg == "--seed") {
      const char* v = value();
      if (!v || !ParseNumber<std::uint32_t>(v, 0, 1000000000u, o.seed))
        return fail("--seed needs a whole number from 0 to 1000000000");
    } else if (arg == "--frame-ms") {
      const char* v = value();
      if (!v || !ParseNumber<int>(v, 1, 1000, o.frameMs))
        return fail("--frame-ms needs a whole number from 1 to 1000");
    } else {
      return fail("unknown option " + std::string(arg));
    }
  }
  if (o.headless && o.scriptFile.empty()) return fail("--headless needs --script FILE");
  if (!o.headless && !o.scriptFile.empty()) return fail("--script needs --headless");
  return o;
}

}  // namespace platform
