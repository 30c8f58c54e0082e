// Reading a dot picture file: where the numbered dots lie and how the finished picture looks,
// moves and sounds. The reader only names the picture files; the form loads them (after
// deleting the previous picture's surfaces), so the reader has no surfaces and no window.
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gameutil/gameutil.h"

namespace dots {

struct DotPicture {
  std::string pictureName;
  double offsetX = 0;
  double offsetY = 0;
  // File names below "Gfx\Dots\"; empty when none is set or the value was refused.
  std::string imageFile;
  std::string maskFile;
  std::string backgroundFile;
  std::int32_t pictureWidth = 0;
  std::int32_t pictureHeight = 0;
  // At least 1 after reading, so the frame arithmetic never divides by zero.
  std::int32_t animFrames = 0;
  std::int32_t animTicks = 0;
  bool animLoop = false;
  double moveX = 0;
  double moveY = 0;
  // File name below "Sfx\Dots\"; empty for none.
  std::string animSound;
  std::vector<GameUtil::Point> dots;
};

struct ReadResult {
  bool readable = false;    // the file could be read
  bool playable = false;    // readable, nothing out of range, and at least one dot to connect
  bool outOfRange = false;  // a number lay beyond what the game can use (the field kept its value)
};

// The ranges of the numbers the game can use safely in its frame and motion arithmetic, far
// beyond any real picture; a number outside them makes the picture damaged and it is passed
// over.
namespace DotPictureLimits {
constexpr std::int32_t kMaxSide = 4096;       // WIDTH, HEIGHT: 0 to this
constexpr std::int32_t kMaxFrames = 1024;     // ANIM_NROFFRAMES: 0 (a single picture) to this
constexpr std::int32_t kMaxFrameMs = 600000;  // ANIM_TICKSPERFRAME: 0 to ten minutes
constexpr double kMaxSpeed = 10000;   // ANIM_MOVE_X, ANIM_MOVE_Y: pixels a second, either way
constexpr double kMaxOffset = 10000;  // OFFSET_X, OFFSET_Y: either way
}  // namespace DotPictureLimits

// Files larger than this are not dot pictures and are refused unread.
constexpr std::uintmax_t MaxDotFileSize = 1 << 20;

// Applies a dot picture text to the state: first the reset (offsets, moves, frame count,
// sound and picture names cleared; name, size, frame time, looping and dots kept), then the
// lines. Never fails: lines it cannot use are passed over.
//   - Lines end in CR LF, LF or CR; empty lines are skipped everywhere, also inside a dot list.
//   - A value that is not a number leaves its field. A number beyond its range (above, dot
//     coordinates: 16 bits) leaves its field too, and the picture is not playable.
//   - DOTS=n with n from 1 to 32767 takes the next n non-empty lines as dots; any other count
//     starts no list. A dot line needs "x,y" with both parts numbers; otherwise it gives no dot
//     but still takes its place. A list cut short by the end of the file keeps the dots it
//     gave. One dot is enough to play.
//   - A picture or sound name that is not a safe file name (below) clears the name.
ReadResult ReadDotPicture(std::string_view text, DotPicture& state);
// The same for a file, already resolved to a file-system path. A file that cannot be read
// leaves the state as after the reset and answers not readable.
ReadResult ReadDotPictureFile(const std::filesystem::path& file, DotPicture& state);
bool IsPlayable(const DotPicture& state);

// A number as the format reads it: blanks, an optional sign, digits with an optional fraction
// and exponent; anything after that is ignored. Nothing when no digits lead the text.
std::optional<double> ParseNumber(std::string_view text);
// A picture or sound name is used only when it stays inside its folder: relative, no drive,
// no "." or ".." part, no empty part, no control characters.
bool IsSafeFileName(std::string_view name);

// Program paths of a scenario's files.
std::string DotFilePath(std::string_view scenario);  // "Data\Dots\" NAME ".dot"
std::string IconPath(std::string_view scenario);     // "Gfx\Dots\" NAME "Icon.bmp"
std::string PicturePath(std::string_view fileName);  // "Gfx\Dots\" + file name
std::string SoundPath(std::string_view fileName);    // "Sfx\Dots\" + file name

}  // namespace dots
