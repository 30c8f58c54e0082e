// Writes small 24-bit BMP files for tests.
#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace testsupport {

// A width x height picture of one colour (0xRRGGBB), bottom-up rows, padded to 4 bytes.
inline void WriteBmp(const std::filesystem::path& file, int width, int height, std::uint32_t rgb) {
  std::filesystem::create_directories(file.parent_path());
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<std::uint8_t> b(54 + dataSize, 0);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, static_cast<std::uint32_t>(b.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  put32(34, dataSize);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &b[54 + static_cast<std::size_t>(y) * rowBytes + x * 3];
      p[0] = rgb & 0xFF;
      p[1] = (rgb >> 8) & 0xFF;
      p[2] = (rgb >> 16) & 0xFF;
    }
  }
  std::ofstream(file, std::ios::binary)
      .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

}  // namespace testsupport
