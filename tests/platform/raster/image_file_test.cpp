// BMP files written here byte by byte, damaged BMP files, and PNG files read back.
#include "platform/image_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/store/temp_folder.h"
#include "raster_support.h"

namespace platform {
namespace {

using test::Bytes;
using test::MakeBmp;

class ImageFile : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return (tmp_.path() / name).string(); }
  // Writes a fresh file each time (rewriting one in place makes some file systems wait for the
  // disk) and gives its path.
  std::string Write(const std::string& name, const Bytes& b) const {
    std::filesystem::remove(File(name));
    return tmp_.Write(name, std::string(b.begin(), b.end())).string();
  }

  TempFolder tmp_;
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
