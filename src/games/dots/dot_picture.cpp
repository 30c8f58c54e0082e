#include "games/dots/dot_picture.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <system_error>

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

// "number" in the format: read, then the fraction dropped downwards. Values outside the
// 32-bit range are refused so that the game's own conversions stay defined.
std::optional<std::int32_t> WholeNumber(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return std::nullopt;
  const double whole = std::floor(*value);
  if (whole < std::numeric_limits<std::int32_t>::min() ||
      whole > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(whole);
}

// A dot coordinate: to nearest, halves to even, and it must fit in 16 bits.
std::optional<std::int32_t> Coordinate(std::string_view text) {
  const std::optional<double> value = ParseNumber(text);
  if (!value) return std::nullopt;
  const double rounded = std::nearbyint(*value);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

// "x,y": x before the first comma, y after it. A line that does not give two coordinates
// gives no dot.
std::optional<GameUtil::Point> DotLine(std::string_view line) {
  const std::size_t comma = line.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto x = Coordinate(line.substr(0, comma));
  const auto y = Coordinate(line.substr(comma + 1));
  if (!x || !y) return std::nullopt;
  return GameUtil::Point{*x, *y};
}

void SetWhole(std::string_view value, std::int32_t& field) {
  if (const auto number = WholeNumber(value)) field = *number;
}

void SetWholeAsDouble(std::string_view value, double& field) {
  if (const auto number = WholeNumber(value)) field = *number;
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

ReadResult Finish(DotPicture& state, bool readable) {
  if (state.animFrames < 1) state.animFrames = 1;
  return {readable, readable && IsPlayable(state)};
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
  return state.dots.size() >= 2;
}

ReadResult ReadDotPicture(std::string_view text, DotPicture& state) {
  ResetForReading(state);
  int pointLinesLeft = 0;
  std::vector<GameUtil::Point> points;

  ForEachLine(text, [&](std::string_view line) {
    if (line.empty()) return;
    if (pointLinesLeft > 0) {
      if (const auto point = DotLine(line)) points.push_back(*point);
      if (--pointLinesLeft == 0) state.dots = std::move(points);
      return;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);

    if (key == "NAME") {
      state.pictureName = value;
    } else if (key == "OFFSET_X") {
      SetWholeAsDouble(value, state.offsetX);
    } else if (key == "OFFSET_Y") {
      SetWholeAsDouble(value, state.offsetY);
    } else if (key == "IMAGE") {
      SetFileName(value, state.imageFile);
    } else if (key == "MASK") {
      SetFileName(value, state.maskFile);
    } else if (key == "WIDTH") {
      SetWhole(value, state.pictureWidth);
    } else if (key == "HEIGHT") {
      SetWhole(value, state.pictureHeight);
    } else if (key == "ANIM_NROFFRAMES") {
      SetWhole(value, state.animFrames);
    } else if (key == "ANIM_TICKSPERFRAME") {
      SetWhole(value, state.animTicks);
    } else if (key == "ANIM_LOOP") {
      if (const auto number = WholeNumber(value)) state.animLoop = *number == 1;
    } else if (key == "ANIM_BG") {
      SetFileName(value, state.backgroundFile);
    } else if (key == "ANIM_MOVE_X") {
      SetWholeAsDouble(value, state.moveX);
    } else if (key == "ANIM_MOVE_Y") {
      SetWholeAsDouble(value, state.moveY);
    } else if (key == "ANIM_SOUND") {
      SetFileName(value, state.animSound);
    } else if (key == "DOTS") {
      // A count below 1 or beyond 16 bits starts no list; the dots stay as they are.
      const auto count = WholeNumber(value);
      if (count && *count >= 1 && *count <= std::numeric_limits<std::int16_t>::max()) {
        pointLinesLeft = *count;
        points.clear();
      }
    }
  });
  // A list cut short by the end of the file keeps the dots it gave.
  if (pointLinesLeft > 0) state.dots = std::move(points);
  return Finish(state, true);
}

ReadResult ReadDotPictureFile(const std::filesystem::path& file, DotPicture& state) {
  ResetForReading(state);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return Finish(state, false);
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > MaxDotFileSize) return Finish(state, false);

  std::ifstream in(file, std::ios::binary);
  if (!in) return Finish(state, false);
  std::string text(static_cast<std::size_t>(size), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return Finish(state, false);
  text.resize(static_cast<std::size_t>(in.gcount()));
  return ReadDotPicture(text, state);
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
