// BMP files written here byte by byte, damaged BMP files, and PNG files read back.
#include "platform/image_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "raster_support.h"

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// A BMP of the surface: 24 or 32 bits a pixel (the fourth byte set, as alpha-writing tools
// do), or 8 / 1 bits through a palette that holds every pixel. Rows bottom-up unless topDown.
Bytes MakeBmp(const Surface& s, int bits, bool topDown,
              const std::vector<std::uint32_t>& palette = {}) {
  const int w = s.width(), h = s.height(), rowBytes = (w * bits + 31) / 32 * 4;
  const auto colours = static_cast<std::uint32_t>(palette.size());
  const std::uint32_t offset = 54 + 4 * colours, body = rowBytes * h;
  Bytes b = {'B', 'M'};
  for (const std::uint32_t v : {offset + body, 0u, offset, 40u, static_cast<std::uint32_t>(w),
                                static_cast<std::uint32_t>(topDown ? -h : h)}) {
    Put(b, v, 4);
  }
  Put(b, 1, 2);
  Put(b, bits, 2);
  for (const std::uint32_t v : {0u, body, 2835u, 2835u, colours, 0u}) Put(b, v, 4);
  for (const std::uint32_t c : palette) Put(b, c, 4);
  for (int i = 0; i < h; ++i) {
    const std::uint32_t* row = s.row(topDown ? i : h - 1 - i);
    Bytes line(rowBytes, 0);
    for (int x = 0; x < w; ++x) {
      const auto index = std::find(palette.begin(), palette.end(), row[x]) - palette.begin();
      if (bits >= 24) {
        for (int k = 0; k < 3; ++k) line[bits / 8 * x + k] = (row[x] >> (8 * k)) & 0xFF;
        if (bits == 32) line[4 * x + 3] = 0xFF;
      } else if (bits == 8) {
        line[x] = static_cast<std::uint8_t>(index);
      } else {
        line[x / 8] |= static_cast<std::uint8_t>(index << (7 - x % 8));
      }
    }
    b.insert(b.end(), line.begin(), line.end());
  }
  return b;
}

class ImageFile : public ::testing::Test {
 protected:
  ImageFile() { std::filesystem::create_directories(dir_); }
  ~ImageFile() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  // Writes a fresh file each time (rewriting one in place makes some file systems wait for the
  // disk) and gives its path.
  std::string Write(const std::string& name, const Bytes& b) const {
    std::filesystem::remove(File(name));
    std::ofstream(File(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return File(name);
  }

  const std::filesystem::path dir_ =
      std::filesystem::temp_directory_path() /
      ("kidplay-raster-" + std::to_string(::getpid()) + "-" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::mt19937 rng_{51};
};

TEST_F(ImageFile, LoadsTrueColourAndPalettePictures) {
  const Surface s = test::RandomSurface(13, 7, rng_);  // 39 bytes a row at 24 bits: padded
  for (const int bits : {24, 32}) {
    for (const bool topDown : {false, true}) {
      const std::optional<Surface> loaded = LoadBmp(Write("a.bmp", MakeBmp(s, bits, topDown)));
      ASSERT_TRUE(loaded);
      EXPECT_TRUE(test::SamePixels(*loaded, s)) << bits << (topDown ? " top-down" : " bottom-up");
    }
  }
  // 19 pixels: the one-bit rows need three bytes and padding. One bit: a black and white mask.
  const std::vector<std::uint32_t> colours = {0x000000, 0xFFFFFF, 0x12AB34, 0xFF8000};
  for (const int bits : {8, 1}) {
    const std::vector<std::uint32_t> palette(colours.begin(),
                                             colours.begin() + (bits == 8 ? 4 : 2));
    Surface p(19, 6);
    for (int i = 0; i < 19 * 6; ++i) p.data()[i] = palette[i % 7 % palette.size()];
    const std::optional<Surface> loaded = LoadBmp(Write("p.bmp", MakeBmp(p, bits, false, palette)));
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(test::SamePixels(*loaded, p)) << bits;
  }
}

// Random damage is the bmp fuzz target's; here every cut of good files.
TEST_F(ImageFile, DamagedFilesGiveNothing) {
  EXPECT_FALSE(LoadBmp(File("missing.bmp")));
  EXPECT_FALSE(LoadBmp(File("")));  // the folder itself
  EXPECT_FALSE(LoadBmp(Write("bad.bmp", {})));
  // Every shortened copy of good files, cut in the header, the palette or the pixels.
  for (const Bytes& whole : {MakeBmp(test::RandomSurface(9, 4, rng_), 24, false),
                             MakeBmp(Surface(9, 4), 8, false, {0, 0xFFFFFF})}) {
    for (std::size_t n = 0; n < whole.size(); ++n) {
      ASSERT_FALSE(LoadBmp(Write("bad.bmp", Bytes(whole.begin(), whole.begin() + n))))
          << "cut at " << n << " of " << whole.size();
    }
  }
}

TEST_F(ImageFile, ImpossibleSizesAreRefusedBeforeAllocating) {
  Bytes file = MakeBmp(Surface(2, 2), 24, false);
  for (const auto& [w, h] : {std::pair{100000, 100000},
                             {30000, 30000},
                             {INT32_MAX, 1},
                             {1, INT32_MIN},
                             {-2, 2},
                             {2, 0},
                             {0, 2},
                             {2, 2}}) {
    for (int i = 0; i < 4; ++i) {
      file[18 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(w) >> (8 * i));
      file[22 + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(h) >> (8 * i));
    }
    EXPECT_EQ(LoadBmp(Write("huge.bmp", file)).has_value(), w == 2 && h == 2) << w << " x " << h;
  }
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ImageFile, PngRoundTripIsExactAndRepeatable) {
  const Surface s = test::RandomSurface(37, 21, rng_);
  ASSERT_TRUE(SavePng(s, File("a.png")) && SavePng(s, File("b.png")));
  const std::optional<Surface> loaded = LoadPng(File("a.png"));
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(test::SamePixels(*loaded, s));
  EXPECT_EQ(ReadBytes(File("a.png")), ReadBytes(File("b.png")));
  EXPECT_FALSE(SavePng(Surface(), File("empty.png")));
  EXPECT_FALSE(SavePng(s, File("no/such/folder/x.png")));
  EXPECT_FALSE(LoadPng(File("missing.png")));
  EXPECT_FALSE(LoadPng(Write("junk.png", {'n', 'o', 't', ' ', 'P', 'N', 'G'})));
}

}  // namespace
}  // namespace platform
