// Feeds arbitrary bytes to the dot picture reader and checks what it promises the game: every
// number within its range, picture and sound names that stay inside their folders, 16-bit dots.
// Then it drives the game's own use of a playable picture, the completion's frame and motion
// arithmetic, over clock readings that wrap and passes that come late. The second reading
// starts from the state the first one left, as at the game's next picture.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "games/dots/completion.h"
#include "games/dots/dot_picture.h"

namespace {

using fuzz::Require;
namespace Limits = dots::DotPictureLimits;

void CheckState(const dots::DotPicture& state, const dots::ReadResult& result) {
  Require(result.readable);
  Require(result.playable == (!result.outOfRange && !state.dots.empty()));
  Require(state.animFrames >= 1 && state.animFrames <= Limits::kMaxFrames);
  Require(state.pictureWidth >= 0 && state.pictureWidth <= Limits::kMaxSide);
  Require(state.pictureHeight >= 0 && state.pictureHeight <= Limits::kMaxSide);
  Require(state.animTicks >= 0 && state.animTicks <= Limits::kMaxFrameMs);
  for (double speed : {state.moveX, state.moveY})
    Require(speed >= -Limits::kMaxSpeed && speed <= Limits::kMaxSpeed);
  for (double offset : {state.offsetX, state.offsetY})
    Require(offset >= -Limits::kMaxOffset && offset <= Limits::kMaxOffset);
  for (const std::string* name :
       {&state.imageFile, &state.maskFile, &state.backgroundFile, &state.animSound}) {
    Require(name->empty() || dots::IsSafeFileName(*name));
  }
  for (const GameUtil::Point& dot : state.dots) {
    Require(dot.X >= -32768 && dot.X <= 32767 && dot.Y >= -32768 && dot.Y <= 32767);
  }
}

// The completion as the game runs it, on a clock that starts and steps as the input's first
// bytes say (from near the 32-bit wrap, with passes up to a day late).
void PlayCompletion(dots::DotPicture picture, std::string_view steps) {
  std::uint32_t clock = 0x7FFFF000u;
  if (steps.size() >= 4) {
    clock ^= static_cast<std::uint32_t>(static_cast<unsigned char>(steps[0])) << 12;
    steps.remove_prefix(4);
  }
  dots::Completion c = dots::StartCompletion(static_cast<std::int32_t>(clock));
  for (int pass = 0; pass < 64; ++pass) {
    const auto byte =
        static_cast<unsigned char>(pass < static_cast<int>(steps.size()) ? steps[pass] : 10);
    clock += byte == 255 ? 86400000u : byte * 37u;
    const bool due = dots::AdvanceCompletion(c, picture, static_cast<std::int32_t>(clock));
    const dots::CompletionDraw at = dots::CompletionPlace(c, picture);
    Require(c.animFrame >= 0 && c.animFrame < picture.animFrames);
    Require(at.frameLeft >= 0 && at.frameLeft <= Limits::kMaxSide * Limits::kMaxFrames);
    Require(at.x >= -1000000 && at.x <= 1000000 && at.y >= -1000000 && at.y <= 1000000);
    if (due) break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  dots::DotPicture state;
  const dots::ReadResult first = dots::ReadDotPicture(text, state);
  CheckState(state, first);
  if (first.playable) PlayCompletion(state, text);
  const dots::ReadResult again = dots::ReadDotPicture(text.substr(size / 2), state);
  CheckState(state, again);
  if (again.playable) PlayCompletion(state, text.substr(size / 2));
  return 0;
}
