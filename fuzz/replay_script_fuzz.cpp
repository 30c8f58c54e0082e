// Feeds arbitrary text to the replay script parser and checks the script it promises the
// runtime: steps in time order on the canvas, known keys and buttons, screenshot names that are
// plain file names, and an error text that stays short.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "platform/replay_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using fuzz::Require;
  using Kind = platform::ScriptStep::Kind;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto script = platform::ParseScript(text, &error);
  if (!script) {
    Require(error.rfind("line ", 0) == 0 && error.size() < 200);
    return 0;
  }
  std::int64_t last = 0;
  for (const platform::ScriptStep& step : script->steps) {
    Require(step.at >= last && step.at <= script->endAt);
    last = step.at;
    Require(step.x >= 0 && step.x < 800 && step.y >= 0 && step.y < 600);
    if (step.kind == Kind::Key || step.kind == Kind::KeyDown || step.kind == Kind::KeyUp)
      Require(step.key > 0);
    if (step.kind == Kind::Down || step.kind == Kind::Up)
      Require(step.button == 1 || step.button == 2);
    if (step.kind == Kind::Shot) {
      Require(!step.file.empty() && step.file != "." && step.file != "..");
      Require(step.file.find_first_of(std::string("/\\\0", 3)) == std::string::npos);
    }
  }
  return 0;
}
