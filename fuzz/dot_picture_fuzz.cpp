// Feeds arbitrary bytes to the dot picture reader and checks what it promises the form: a
// usable frame count, picture and sound names that stay inside their folders, 16-bit dots.
// The second reading starts from the state the first one left, as at the game's next picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "games/dots/dot_picture.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckState(const dots::DotPicture& state, const dots::ReadResult& result) {
  Require(result.readable);
  Require(result.playable == (state.dots.size() >= 2));
  Require(state.animFrames >= 1);
  for (const std::string* name :
       {&state.imageFile, &state.maskFile, &state.backgroundFile, &state.animSound}) {
    Require(name->empty() || dots::IsSafeFileName(*name));
  }
  for (const GameUtil::Point& dot : state.dots) {
    Require(dot.X >= -32768 && dot.X <= 32767 && dot.Y >= -32768 && dot.Y <= 32767);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  dots::DotPicture state;
  const dots::ReadResult first = dots::ReadDotPicture(text, state);
  CheckState(state, first);
  const dots::ReadResult again = dots::ReadDotPicture(text.substr(size / 2), state);
  CheckState(state, again);
  return 0;
}
