#include "platform/run_options.h"

#include <string_view>

#include "platform/words.h"

namespace platform {
namespace {

template <typename T>
bool ParseNumber(std::string_view text, T min, T max, T& out) {
  const std::optional<T> value = WholeNumber<T>(text);
  if (!value || *value < min || *value > max) return false;
  out = *value;
  return true;
}

}  // namespace

std::string RunUsage() {
  return "usage: kidplay [--windowed] [--lock]\n"
         "       kidplay --headless --script FILE [--trace FILE|-] [--shots DIR] [--seed N]\n"
         "               [--frame-ms N] [--lock]\n"
         "\n"
         "  --windowed     start in an 800 x 600 window instead of full screen\n"
         "  --lock         the grown-up lock: the menu's stop button ends the program only when\n"
         "                 held down for two seconds; Escape and the window's close button do\n"
         "                 not end it (also Lock=1 in section [Program] of the settings file)\n"
         "  --headless     run without a display or sound device, driven by a replay script\n"
         "  --script FILE  the replay script (headless runs only)\n"
         "  --trace FILE   write the trace there (- for standard output)\n"
         "  --shots DIR    the folder for the script's screenshots\n"
         "  --seed N       offsets the virtual clock by N ms (0 to 4294967295)\n"
         "  --frame-ms N   virtual milliseconds per loop pass (1 to 1000, default 10)\n"
         "  --help         show this and end\n"
         "\n"
         "Exit status: 0 when the program ends normally (also a second copy, which ends at once),\n"
         "1 when there is no display or the window cannot open, 2 for a malformed command line or\n"
         "replay script.\n";
}

std::optional<RunOptions> ParseRunOptions(int argc, const char* const* argv, std::string* error) {
  RunOptions o;
  auto fail = [&](const std::string& text) -> std::optional<RunOptions> {
    if (error) *error = text;
    return std::nullopt;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--help" || arg == "-h") {
      RunOptions help;
      help.help = true;
      return help;
    } else if (arg == "--headless") {
      o.headless = true;
    } else if (arg == "--windowed") {
      o.windowed = true;
    } else if (arg == "--lock") {
      o.lock = true;
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
      if (!v || !ParseNumber<std::uint32_t>(v, 0, 4294967295u, o.seed))
        return fail("--seed needs a whole number from 0 to 4294967295");
    } else if (arg == "--frame-ms") {
      const char* v = value();
      if (!v || !ParseNumber<int>(v, 1, 1000, o.frameMs))
        return fail("--frame-ms needs a whole number from 1 to 1000");
    } else {
      return fail("unknown option " + Echo(arg) + " (--help shows the options)");
    }
  }
  if (o.headless && o.scriptFile.empty()) return fail("--headless needs --script FILE");
  if (!o.headless && !o.scriptFile.empty()) return fail("--script needs --headless");
  return o;
}

}  // namespace platform
