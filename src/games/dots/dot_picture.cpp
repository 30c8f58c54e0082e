#include "games/dots/dot_picture.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/file_read.h"

namespace dots {
namespace {

// Lines end in CR LF, LF or a lone CR.
template <typename Apply>
void ForEachLine(std::string_view text, Apply apply) {
  constexpr std::string_view bom = "\xEF\xBB\xBF";
  if (text.starts_with(bom)) text.remove_prefix(bom.size());
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    apply(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
}

// "number" in the format: read, then the fraction dropped downwards.
std::optional<double> WholeNumber(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return std::nullopt;
  return std::floor(*value);
}

// What one reading found besides the fields: a number beyond what the game can use.
struct Reading {
  bool outOfRange = false;
  // A number within [lo, hi] is stored; one outside leaves the field and damages the picture.
  template <typename Field>
  void Set(std::optional<double> number, double lo, double hi, Field& field) {
    if (!number) return;
    if (*number < lo || *number > hi) {
      outOfRange = true;
      return;
    }
    field = static_cast<Field>(*number);
  }
};

// "x,y": x before the first comma, y after it, each to nearest with halves to even. A line
// that does not give two numbers gives no dot; a coordinate beyond 16 bits damages the picture.
std::optional<GameUtil::Point> DotLine(std::string_view line, Reading& reading) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = ParseNumber(line.substr(0, comma));
  const auto y = ParseNumber(line.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  GameUtil::Point point;
  constexpr double lo = std::numeric_limits<std::int16_t>::min();
  constexpr double hi = std::numeric_limits<std::int16_t>::max();
  Reading dot;
  dot.Set(std::nearbyint(*x), lo, hi, point.X);
  dot.Set(std::nearbyint(*y), lo, hi, point.Y);
  if (dot.outOfRange) {
    reading.outOfRange = true;
    return std::nullopt;
  }
  return point;
}

void SetFileName(std::string_view value, std::string& field) {
  field = IsSafeFileName(value) ? std::string(value) : std::string();
}

void ResetForReading(DotPicture& state) {
  state.offsetX = state.offsetY = 0;
  state.moveX = state.moveY = 0;
  state.animFrames = 0;
  state.animSound.clear();
  state.imageFile.clear();
  state.maskFile.clear();
  state.backgroundFile.clear();
}

ReadResult Finish(DotPicture& state, bool readable, bool outOfRange = false) {
  if (state.animFrames < 1) state.animFrames = 1;
  return {readable, readable && !outOfRange && IsPlayable(state), outOfRange};
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  auto isDigit = [&](std::size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  std::size_t digits = 0;
  for (; isDigit(i); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (; isDigit(i); ++i) ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t k = i + 1;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    if (isDigit(k)) {
      i = k;
      while (isDigit(i)) ++i;
    }
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + i, value);
  if (error != std::errc() || end != text.data() + i || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

bool IsSafeFileName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || c == ':') return false;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t end = name.find_first_of("\\/", start);
    const std::string_view part =
        name.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

bool IsPlayable(const DotPicture& state) {
  return !state.dots.empty();
}

ReadResult ReadDotPicture(std::string_view text, DotPicture& state) {
  ResetForReading(state);
  int pointLinesLeft = 0;
  std::vector<GameUtil::Point> points;
  Reading reading;
  namespace Limits = DotPictureLimits;

  ForEachLine(text, [&](std::string_view line) {
    if (line.empty()) return;
    if (pointLinesLeft > 0) {
      if (const auto point = DotLine(line, reading)) points.push_back(*point);
      if (--pointLinesLeft == 0) state.dots = std::move(points);
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    const std::optional<double> number =
        key == "NAME" || key == "IMAGE" || key == "MASK" || key == "ANIM_BG" || key == "ANIM_SOUND"
            ? std::nullopt
            : WholeNumber(value);

    if (key == "NAME") {
      state.pictureName = value;
    } else if (key == "OFFSET_X") {
      reading.Set(number, -Limits::kMaxOffset, Limits::kMaxOffset, state.offsetX);
    } else if (key == "OFFSET_Y") {
      reading.Set(number, -Limits::kMaxOffset, Limits::kMaxOffset, state.offsetY);
    } else if (key == "IMAGE") {
      SetFileName(value, state.imageFile);
    } else if (key == "MASK") {
      SetFileName(value, state.maskFile);
    } else if (key == "WIDTH") {
      reading.Set(number, 0, Limits::kMaxSide, state.pictureWidth);
    } else if (key == "HEIGHT") {
      reading.Set(number, 0, Limits::kMaxSide, state.pictureHeight);
    } else if (key == "ANIM_NROFFRAMES") {
      reading.Set(number, 0, Limits::kMaxFrames, state.animFrames);
    } else if (key == "ANIM_TICKSPERFRAME") {
      reading.Set(number, 0, Limits::kMaxFrameMs, state.animTicks);
    } else if (key == "ANIM_LOOP") {
      if (number) state.animLoop = *number == 1;
    } else if (key == "ANIM_BG") {
      SetFileName(value, state.backgroundFile);
    } else if (key == "ANIM_MOVE_X") {
      reading.Set(number, -Limits::kMaxSpeed, Limits::kMaxSpeed, state.moveX);
    } else if (key == "ANIM_MOVE_Y") {
      reading.Set(number, -Limits::kMaxSpeed, Limits::kMaxSpeed, state.moveY);
    } else if (key == "ANIM_SOUND") {
      SetFileName(value, state.animSound);
    } else if (key == "DOTS") {
      // A count below 1 or beyond 16 bits starts no list; the dots stay as they are.
      if (number && *number >= 1 && *number <= std::numeric_limits<std::int16_t>::max()) {
        pointLinesLeft = static_cast<int>(*number);
        points.clear();
      }
    }
  });
  // A list cut short by the end of the file keeps the dots it gave.
  if (pointLinesLeft > 0) state.dots = std::move(points);
  return Finish(state, true, reading.outOfRange);
}

ReadResult ReadDotPictureFile(const std::filesystem::path& file, DotPicture& state) {
  ResetForReading(state);
  const std::optional<std::string> text = platform::ReadBoundedText(file, MaxDotFileSize);
  if (!text) return Finish(state, false);
  return ReadDotPicture(*text, state);
}

std::string DotFilePath(std::string_view scenario) {
  return "Data\\Dots\\" + std::string(scenario) + ".dot";
}

std::string IconPath(std::string_view scenario) {
  return "Gfx\\Dots\\" + std::string(scenario) + "Icon.bmp";
}

std::string PicturePath(std::string_view fileName) {
  return "Gfx\\Dots\\" + std::string(fileName);
}

std::string SoundPath(std::string_view fileName) {
  return "Sfx\\Dots\\" + std::string(fileName);
}

}  // namespace dots
