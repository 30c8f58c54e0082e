// The command line of the program.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// kidplay [--windowed] [--lock] [--report-startup]
// kidplay --headless --script FILE [--trace FILE|-] [--shots DIR] [--seed N] [--frame-ms N]
//         [--lock] [--trace-frames]
struct RunOptions {
  bool help = false;  // --help: print the usage and end
  bool headless = false;
  bool windowed = false;
  // The grown-up lock: the menu ends the program only on a long press of its stop button.
  bool lock = false;
  std::string scriptFile;
  std::string traceFile;  // "-" is standard output
  std::string shotsDir;
  std::uint32_t seed = 0;  // offsets the virtual clock, up to past the 32-bit clock's wrap
  int frameMs = 10;
  // Print the time from start to the first frame shown in the window (for bench/).
  bool reportStartup = false;
  // Headless: decide frames as a window would and trace each shown one ("frame").
  bool traceFrames = false;
};

// Nothing, with an error text, for unknown or malformed options.
std::optional<RunOptions> ParseRunOptions(int argc, const char* const* argv, std::string* error);

// What --help prints.
std::string RunUsage();

}  // namespace platform
