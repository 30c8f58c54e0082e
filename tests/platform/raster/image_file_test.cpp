// BMP files written here byte by byte, damaged BMP files, and PNG files read back.
#include "platform/image_file.h"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

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
  for (const auto& [value, size] : std::initializer_list<std::pair<std::uint32_t, int>>{
           {offset + body, 4},
           {0, 4},
           {offset, 4},
           {40, 4},
           {static_cast<std::uint32_t>(w), 4},
           {static_cast<std::uint32_t>(topDown ? -h : h), 4},
           {1, 2},
           {static_cast<std::uint32_t>(bits), 2},
           {0, 4},
           {body, 4},
           {2835, 4},
           {2835, 4},
           {colours, 4},
           {0, 4}}) {
    Put(b, value, size);
  }
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

void Write(const std::string& path, const Bytes& b) {
  // A fresh file each time: rewriting one in place makes some file systems wait for the disk.
  std::filesystem::remove(path);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

class ImageFile : public ::testing::Test {
 protected:
  test::TempFolder folder_;
  std::mt19937 rng_{51};
};

TEST_F(ImageFile, LoadsTrueColourAndPalettePictures) {
  const Surface s = test::RandomSurface(13, 7, rng_);  // 39 bytes a row at 24 bits: padded
  for (const int bits : {24, 32}) {
    for (const bool topDown : {false, true}) {
      Write(folder_.File("a.bmp"), MakeBmp(s, bits, topDown));
      const std::optional<Surface> loaded = LoadBmp(folder_.File("a.bmp"));
      ASSERT_TRUE(loaded);
      EXPECT_TRUE(test::SamePixels(*loaded, s)) << bits << (topDown ? " top-down" : " bottom-up");
    }
  }
  const std::vector<std::uint32_t> palette = {0x000000, 0xFFFFFF, 0x12AB34, 0xFF8000};
  Surface p(19, 6);  // 19 pixels: the one-bit rows need three bytes and padding
  for (int i = 0; i < 19 * 6; ++i) p.data()[i] = palette[i % 7 % 4];
  Write(folder_.File("p8.bmp"), MakeBmp(p, 8, false, palette));
  const auto eight = LoadBmp(folder_.File("p8.bmp"));
  ASSERT_TRUE(eight);
  EXPECT_TRUE(test::SamePixels(*eight, p));
  for (int i = 0; i < 19 * 6; ++i) p.data()[i] = palette[i % 3 % 2];  // a black and white mask
  Write(folder_.File("p1.bmp"), MakeBmp(p, 1, false, {0x000000, 0xFFFFFF}));
  const auto one = LoadBmp(folder_.File("p1.bmp"));
  ASSERT_TRUE(one);
  EXPECT_TRUE(test::SamePixels(*one, p));
}

TEST_F(ImageFile, DamagedFilesGiveNothing) {
  const std::string path = folder_.File("bad.bmp");
  EXPECT_FALSE(LoadBmp(folder_.File("missing.bmp")));
  EXPECT_FALSE(LoadBmp(folder_.File("")));  // the folder itself
  Write(path, {});
  EXPECT_FALSE(LoadBmp(path));
  for (int round = 0; round < 50; ++round) {
    Bytes junk(test::Any(rng_, 2, 3000));
    for (auto& byte : junk) byte = static_cast<std::uint8_t>(rng_());
    if (round % 2) junk[0] = 'B', junk[1] = 'M';
    Write(path, junk);
    EXPECT_FALSE(LoadBmp(path)) << "round " << round;
  }
  // Every shortened copy of good files, cut in the header, the palette or the pixels.
  for (const Bytes& whole : {MakeBmp(test::RandomSurface(9, 4, rng_), 24, false),
                             MakeBmp(Surface(9, 4), 8, false, {0, 0xFFFFFF})}) {
    for (std::size_t n = 0; n < whole.size(); ++n) {
      Write(path, Bytes(whole.begin(), whole.begin() + n));
      ASSERT_FALSE(LoadBmp(path)) << "cut at " << n << " of " << whole.size();
    }
  }
}

TEST_F(ImageFile, ImpossibleSizesAreRefusedBeforeAllocating) {
  const std::string path = folder_.File("huge.bmp");
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
    Write(path, file);
    EXPECT_EQ(LoadBmp(path).has_value(), w == 2 && h == 2) << w << " x " << h;
  }
}

Surface ReadPng(const std::string& path) {
  SDL_Surface* png = IMG_Load(path.c_str());
  SDL_Surface* xrgb = png ? SDL_ConvertSurfaceFormat(png, SDL_PIXELFORMAT_XRGB8888, 0) : nullptr;
  SDL_FreeSurface(png);
  if (!xrgb) return {};
  Surface out(xrgb->w, xrgb->h);
  for (int y = 0; y < xrgb->h; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(xrgb->pixels) + y * xrgb->pitch;
    for (int x = 0; x < xrgb->w; ++x) {
      out.row(y)[x] = (row[4 * x] | row[4 * x + 1] << 8 | row[4 * x + 2] << 16);  // little-endian
    }
  }
  SDL_FreeSurface(xrgb);
  return out;
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST_F(ImageFile, PngRoundTripIsExactAndRepeatable) {
  const Surface s = test::RandomSurface(37, 21, rng_);
  ASSERT_TRUE(SavePng(s, folder_.File("a.png")) && SavePng(s, folder_.File("b.png")));
  EXPECT_TRUE(test::SamePixels(ReadPng(folder_.File("a.png")), s));
  EXPECT_EQ(ReadBytes(folder_.File("a.png")), ReadBytes(folder_.File("b.png")));
  EXPECT_FALSE(SavePng(Surface(), folder_.File("empty.png")));
  EXPECT_FALSE(SavePng(s, folder_.File("no/such/folder/x.png")));
}

}  // namespace
}  // namespace platform
