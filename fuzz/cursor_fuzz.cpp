// Feeds arbitrary bytes to the ".cur" reader and checks the cursor it promises: a small picture
// with one pixel per place and its hot spot on it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "platform/cursor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const auto cursor = platform::ParseCursor(bytes);
  if (!cursor) return 0;
  fuzz::Require(cursor->width >= 1 && cursor->width <= 256);
  fuzz::Require(cursor->height >= 1 && cursor->height <= 256);
  fuzz::Require(cursor->argb.size() == static_cast<std::size_t>(cursor->width) * cursor->height);
  fuzz::Require(cursor->hotX >= 0 && cursor->hotX < cursor->width);
  fuzz::Require(cursor->hotY >= 0 && cursor->hotY < cursor->height);
  return 0;
}
