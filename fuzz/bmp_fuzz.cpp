// Feeds arbitrary bytes to the BMP check and load (the header checked against its limits and
// the file's length, then SDL's decoder) and checks the picture it promises: within the size
// limits, and every pixel with its unused byte clear.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "platform/image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const auto picture = platform::DecodeBmp(bytes);
  if (!picture) return 0;
  fuzz::Require(picture->width() > 0 && picture->height() > 0);
  fuzz::Require(picture->width() <= 32768 && picture->height() <= 32768);
  for (int y = 0; y < picture->height(); ++y) {
    const std::uint32_t* row = picture->row(y);
    for (int x = 0; x < picture->width(); ++x) fuzz::Require((row[x] >> 24) == 0);
  }
  return 0;
}
