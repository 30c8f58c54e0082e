// Replay scripts: the input of a headless run, one step per line, on a virtual timeline.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ScriptStep {
  enum class Kind { Move, Down, Up, Click, Key, KeyDown, KeyUp, Shot, DblClick };
  Kind kind = Kind::Move;
  std::int64_t at = 0;  // milliseconds after the start of the run
  int x = 0;
  int y = 0;
  int button = 1;
  int key = 0;
  std::string file;
  int line = 0;
};

struct Script {
  std::vector<ScriptStep> steps;
  std::int64_t endAt = 0;  // the script is used up once this much time has passed
};

// Parses a whole script. On a malformed line: nothing, and `error` says "line N: ...".
std::optional<Script> ParseScript(std::string_view text, std::string* error);

}  // namespace platform
