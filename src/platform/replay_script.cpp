#include "platform/replay_script.h"

#include <sstream>

#include "platform/input.h"
#include "platform/words.h"

namespace platform {
namespace {

constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;
// A wait longer than a day is a mistake, not a test.
constexpr std::int64_t kMaxWaitMs = 24LL * 3600 * 1000;

// A screenshot goes into the shots folder under a plain file name: no folder part, no "." or
// "..", nothing a file name cannot hold.
bool PlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\') return false;
  }
  return true;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// Parses one line into `step` (or a wait into `wait`); returns an error text or "".
std::string ParseLine(const std::vector<std::string_view>& w, ScriptStep& step,
                      std::int64_t& wait) {
  const std::string_view verb = w[0];
  auto point = [&](std::size_t i) -> std::string {
    if (w.size() != i + 2) return "expected X Y";
    auto x = WholeNumber<std::int64_t>(w[i]);
    auto y = WholeNumber<std::int64_t>(w[i + 1]);
    if (!x || !y) return "X and Y must be whole numbers";
    if (*x < 0 || *x >= kCanvasWidth || *y < 0 || *y >= kCanvasHeight)
      return "X Y must lie on the 800 x 600 canvas";
    step.x = static_cast<int>(*x);
    step.y = static_cast<int>(*y);
    return "";
  };
  if (verb == "wait") {
    if (w.size() != 2) return "expected wait MS";
    auto ms = WholeNumber<std::int64_t>(w[1]);
    if (!ms || *ms < 0 || *ms > kMaxWaitMs)
      return "MS must be a whole number from 0 to " + std::to_string(kMaxWaitMs);
    wait = *ms;
    return "";
  }
  if (verb == "dblclick") {  // two clicks, then the double-click event
    step.kind = ScriptStep::Kind::DblClick;
    return point(1);
  }
  if (verb == "move" || verb == "click") {
    step.kind = verb == "move" ? ScriptStep::Kind::Move : ScriptStep::Kind::Click;
    return point(1);
  }
  if (verb == "down" || verb == "up") {
    step.kind = verb == "down" ? ScriptStep::Kind::Down : ScriptStep::Kind::Up;
    if (w.size() > 2) return "expected " + std::string(verb) + " [left|right]";
    if (w.size() == 2) {
      if (w[1] == "left") {
        step.button = Buttons::kLeft;
      } else if (w[1] == "right") {
        step.button = Buttons::kRight;
      } else {
        return "the button is left or right";
      }
    }
    return "";
  }
  if (verb == "key" || verb == "keydown" || verb == "keyup") {
    step.kind = verb == "key"       ? ScriptStep::Kind::Key
                : verb == "keydown" ? ScriptStep::Kind::KeyDown
                                    : ScriptStep::Kind::KeyUp;
    if (w.size() != 2) return "expected " + std::string(verb) + " NAME";
    auto code = KeyCodeFromName(w[1]);
    if (!code) return "unknown key name '" + Echo(w[1]) + "'";
    step.key = *code;
    return "";
  }
  if (verb == "shot") {
    step.kind = ScriptStep::Kind::Shot;
    if (w.size() != 2) return "expected shot FILE";
    if (!PlainFileName(w[1])) return "'" + Echo(w[1]) + "' is not a plain file name";
    step.file = std::string(w[1]);
    return "";
  }
  return "unknown step '" + Echo(verb) + "'";
}

}  // namespace

std::optional<Script> ParseScript(std::string_view text, std::string* error) {
  Script script;
  std::int64_t now = 0;
  int lineNumber = 0;
  // Editors may start the file with a byte-order mark.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto words = Words(line);
    if (words.empty()) continue;
    ScriptStep step;
    std::int64_t wait = -1;
    std::string problem = ParseLine(words, step, wait);
    if (!problem.empty()) {
      if (error) *error = "line " + std::to_string(lineNumber) + ": " + problem;
      return std::nullopt;
    }
    if (wait >= 0) {
      now += wait;
      continue;
    }
    step.at = now;
    step.line = lineNumber;
    if (step.kind == ScriptStep::Kind::DblClick) {
      ScriptStep click = step;
      click.kind = ScriptStep::Kind::Click;
      script.steps.push_back(click);
      script.steps.push_back(click);
    }
    script.steps.push_back(std::move(step));
  }
  script.endAt = now;
  return script;
}

}  // namespace platform
