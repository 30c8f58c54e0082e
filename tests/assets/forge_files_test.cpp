// The forge's pixel rules and its BMP and cursor writers, read back with independent readers (its
// WAV writer is read back in every built sound), and its cache.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../../assets/forge/cache.h"
#include "../../assets/forge/image.h"
#include "built_file_readers.h"
#include "platform/cursor.h"
#include "platform/image_file.h"

namespace forge {
namespace {

using assettest::U16;
using assettest::U32;
using Pixels = std::vector<std::uint32_t>;

// The mask's edge lies at alpha 128; colours come back from premultiplied alpha, rounded and
// clamped; a picture without a mask is laid on the dialog face colour.
TEST(ForgePixels, MaskEdgeAtAlpha128UnpremultiplyAndFlatten) {
  // Premultiplied pixels: transparent, almost half, exactly half, opaque.
  Rgb picture, mask;
  SplitMask({4, 1, {0x00000000, 0x7F7F0000, 0x80800000, 0xFF12AB34}}, picture, mask);
  EXPECT_EQ(mask.rgb, (Pixels{0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000}));
  // Transparent pixels are black in the picture; opaque ones keep their straight colour.
  EXPECT_EQ(picture.rgb, (Pixels{0x000000, 0x000000, 0xFF0000, 0x12AB34}));

  EXPECT_EQ(Unpremultiply(0x80400000), 0x80800000u);           // 64 * 255 / 128 = 127.5 -> 128
  EXPECT_EQ(Unpremultiply(0x10FF0000) & 0xFF0000, 0xFF0000u);  // inconsistent input clamps
  EXPECT_EQ(Unpremultiply(0x00123456), 0u);
  EXPECT_EQ(Unpremultiply(0xFF123456), 0xFF123456u);

  // Half blue over the face colour: blue 128 + 200 * 127/255, the others halved.
  EXPECT_EQ(Flatten({3, 1, {0x00000000, 0xFF0000FF, 0x80000080}}, 0xD4D0C8).rgb,
            (Pixels{0xD4D0C8, 0x0000FF, 0x6A68E4}));
}

// Quarter turns and mirrors move every pixel to its place.
TEST(ForgePixels, QuarterTurnsAndMirrorsMovePixelsExactly) {
  const Image img{3, 2, {1, 2, 3, 4, 5, 6}};  // 1 2 3 / 4 5 6
  const Image cw = Turn(img, 90);             // clockwise: the left column becomes the top row
  EXPECT_EQ(cw.width, 2);
  EXPECT_EQ(cw.height, 3);
  EXPECT_EQ(cw.argb, (Pixels{4, 1, 5, 2, 6, 3}));
  EXPECT_EQ(Turn(img, 180).argb, (Pixels{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(Turn(Turn(img, 270), 90).argb, img.argb);
  EXPECT_EQ(Mirror(img, 'h').argb, (Pixels{3, 2, 1, 6, 5, 4}));
  EXPECT_EQ(Mirror(img, 'v').argb, (Pixels{4, 5, 6, 1, 2, 3}));
  EXPECT_EQ(Mirror(img, 0).argb, img.argb);
}

// BMP rows bottom-up, padded to four bytes, read back by SDL and by the forge's reader, which
// refuses a damaged file.
TEST(ForgeBmp, WritesPaddedRowsReadsThemBackAndRefusesDamage) {
  const Rgb img{3, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203}};
  const std::vector<std::uint8_t> b = EncodeBmp(img);
  ASSERT_EQ(b.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12
  // The whole file's size, a plain info header, one plane, 24 bits, no compression, the image size.
  EXPECT_TRUE(U32(b, 2) == b.size() && U32(b, 14) == 40 && U16(b, 26) == 1 && U16(b, 28) == 24);
  EXPECT_TRUE(U32(b, 30) == 0 && U32(b, 34) == 24);
  EXPECT_EQ(b[54], 0xCC);              // the bottom row first, blue first
  EXPECT_EQ(b[63], 0);                 // padding
  auto back = platform::DecodeBmp(b);  // SDL's reader
  ASSERT_TRUE(back);
  EXPECT_EQ(Pixels(back->data(), back->data() + 6), img.rgb);
  auto mine = DecodeBmp(b);
  ASSERT_TRUE(mine);
  EXPECT_EQ(mine->rgb, img.rgb);

  auto damaged = [&](std::size_t at, std::uint8_t value) {
    std::vector<std::uint8_t> copy = b;
    copy[at] = value;
    return copy;
  };
  EXPECT_FALSE(DecodeBmp(std::vector<std::uint8_t>(b.begin(), b.end() - 1)));  // truncated
  EXPECT_FALSE(DecodeBmp(damaged(28, 8)));                                     // 8 bits
  EXPECT_FALSE(DecodeBmp(damaged(21, 0x7F)));                                  // absurd width
  EXPECT_FALSE(DecodeBmp({}));
}

// A cursor is one 32-bit image with straight alpha, its hot spot and an AND mask where alpha is
// below 128, read back by the program's reader and the forge's own.
TEST(ForgeCursor, WritesOne32BitImageWithItsHotSpotAndAndMask) {
  // 2 x 2 premultiplied: opaque red, half-transparent green, transparent, nearly transparent.
  const Image img{2, 2, {0xFFFF0000, 0x80008000, 0x00000000, 0x7F7F7F7F}};
  const std::vector<std::uint8_t> b = EncodeCursor(img, 1, 0);
  // One image of 2 x 2 with its hot spot; its info header has the doubled height and 32 bits.
  EXPECT_TRUE(U16(b, 2) == 2 && U16(b, 4) == 1 && b[6] == 2 && b[7] == 2);
  EXPECT_TRUE(U16(b, 10) == 1 && U16(b, 12) == 0 && U32(b, 14) == b.size() - 22);
  EXPECT_TRUE(U32(b, 22) == 40 && U32(b, 26) == 2 && U32(b, 30) == 4 && U16(b, 36) == 32);
  // AND mask rows (bottom-up, 4 bytes each): set where alpha < 128.
  EXPECT_EQ(b[22 + 40 + 16], 0xC0);     // bottom row: both transparent
  EXPECT_EQ(b[22 + 40 + 20], 0x00);     // top row: both shown
  auto cur = platform::ParseCursor(b);  // the program's reader
  ASSERT_TRUE(cur);
  EXPECT_TRUE(cur->width == 2 && cur->hotX == 1 && cur->hotY == 0);
  EXPECT_EQ(cur->argb, (Pixels{0xFFFF0000, 0x8000FF00, 0, 0x7FFFFFFF}));  // straight alpha

  auto mine = DecodeCursor(b);
  ASSERT_TRUE(mine);
  EXPECT_EQ(mine->image.argb, cur->argb);
  EXPECT_EQ(mine->hotX, 1);
  EXPECT_FALSE(DecodeCursor(std::vector<std::uint8_t>(b.begin(), b.begin() + 70)));
}

// The cache of source hashes comes back as saved, a damaged or missing one empty; hashes of
// pieces chain like one string.
TEST(ForgeCache, RoundTripsAndDropsADamagedFile) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("forge_cache_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  Cache c;
  c["Gfx/A.bmp"] = {0x0123456789abcdefull, {"Gfx/A.bmp", "Gfx/AMask.bmp"}};
  c["Sfx/b.wav"] = {42, {"Sfx/b.wav"}};
  ASSERT_TRUE(SaveCache(dir / "cache", c));
  Cache back = LoadCache(dir / "cache");
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back["Gfx/A.bmp"].hash, 0x0123456789abcdefull);
  EXPECT_EQ(back["Gfx/A.bmp"].outputs, c["Gfx/A.bmp"].outputs);

  { std::ofstream(dir / "cache", std::ios::app) << "zz\tGfx/C.bmp\n"; }
  EXPECT_TRUE(LoadCache(dir / "cache").empty());  // anything odd: make everything again
  EXPECT_TRUE(LoadCache(dir / "missing").empty());
  std::filesystem::remove_all(dir);

  EXPECT_NE(Hash("a"), Hash("b"));
  EXPECT_EQ(Hash("ab"), Hash("b", Hash("a")));  // pieces chain like one string
}

}  // namespace
}  // namespace forge
