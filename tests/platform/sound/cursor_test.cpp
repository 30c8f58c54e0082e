// ".cur" files written here byte by byte: the pictures, masks and hot spots that come out.
#include "platform/cursor.h"

#include <gtest/gtest.h>

#include <array>

#include "platform/sound/sound_files.h"

namespace {

using platform::ParseCursor;
using soundtest::Bytes;
using soundtest::Put16;
using soundtest::Put32;
using Pixels = std::vector<std::uint32_t>;

// A picture for the DIB writer, rows top-down: palette indices for 1-8 bits, else 0xAARRGGBB.
struct Dib {
  int width, height, bpp;
  Pixels palette;  // 0x00RRGGBB
  Pixels pixels;
  std::vector<int> mask;  // 1 = transparent
  std::uint32_t coloursUsed = 0, compression = 0;
};

// The bitmap payload: header (height doubled for the mask), palette, colour rows, mask rows,
// each row bottom-up and padded to four bytes.
Bytes DibBytes(const Dib& d) {
  Bytes b, colour, mask;
  for (std::uint32_t v : {40, d.width, 2 * d.height}) Put32(b, v);
  Put16(b, 1);
  Put16(b, d.bpp);
  for (std::uint32_t v : {d.compression, 0u, 0u, 0u, d.coloursUsed, 0u}) Put32(b, v);
  for (std::uint32_t c : d.palette) Put32(b, c);
  for (int y = d.height - 1; y >= 0; --y) {
    Bytes row((d.width * d.bpp + 31) / 32 * 4, 0), maskRow((d.width + 31) / 32 * 4, 0);
    for (int x = 0; x < d.width; ++x) {
      const std::uint32_t v = d.pixels[y * d.width + x];
      if (d.bpp < 8) {  // most significant bits first
        const int perByte = 8 / d.bpp;
        row[x / perByte] |= static_cast<std::uint8_t>(v << (perByte - 1 - x % perByte) * d.bpp);
      } else {
        for (int k = 0; k < d.bpp / 8; ++k) row[x * d.bpp / 8 + k] = (v >> (8 * k)) & 0xFF;
      }
      if (d.mask[y * d.width + x]) maskRow[x / 8] |= static_cast<std::uint8_t>(0x80 >> x % 8);
    }
    colour.insert(colour.end(), row.begin(), row.end());
    mask.insert(mask.end(), maskRow.begin(), maskRow.end());
  }
  b.insert(b.end(), colour.begin(), colour.end());
  b.insert(b.end(), mask.begin(), mask.end());
  return b;
}

// A cursor file with one entry holding `payload`.
Bytes CurBytes(const Bytes& payload, int hotX, int hotY) {
  Bytes b;
  for (std::uint32_t v : {0, 2, 1}) Put16(b, v);
  b.insert(b.end(), {32, 32, 0, 0});
  Put16(b, hotX);
  Put16(b, hotY);
  Put32(b, static_cast<std::uint32_t>(payload.size()));
  Put32(b, 22);
  b.insert(b.end(), payload.begin(), payload.end());
  return b;
}

// A minimal PNG of 0xAARRGGBB pixels: 8-bit RGBA, unfiltered, in one stored deflate block.
Bytes Png(int w, int h, const Pixels& argb) {
  const auto be32 = [](Bytes& b, std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
  };
  const auto chunk = [&](Bytes& png, const char* type, const Bytes& data) {
    be32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = start; i < png.size(); ++i) {
      crc ^= png[i];
      for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    be32(png, ~crc);
  };
  Bytes raw;
  for (int i = 0; i < w * h; ++i) {
    if (i % w == 0) raw.push_back(0);
    for (int s : {16, 8, 0, 24}) raw.push_back(static_cast<std::uint8_t>(argb[i] >> s));
  }
  Bytes z{0x78, 0x01, 0x01};
  Put16(z, static_cast<std::uint32_t>(raw.size()));
  Put16(z, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
  z.insert(z.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
  be32(z, (b << 16) | a);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, header;
  be32(header, w);
  be32(header, h);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", z);
  chunk(png, "IEND", {});
  return png;
}

std::array<int, 4> Geometry(const platform::CursorImage& c) {
  return {c.width, c.height, c.hotX, c.hotY};
}

// A 3 x 2 cursor of 32 bits with its own alpha; the mask says otherwise and must be ignored.
const Dib kThirtyTwo{3,
                     2,
                     32,
                     {},
                     {0xFF112233, 0x80445566, 0, 0x40FF0000, 0xFF00FF00, 0xFF0000FF},
                     {1, 1, 1, 0, 0, 0}};
// A 5 x 3 one-bit cursor: black and white, transparent where the mask is set.
const Dib kOneBit{5,
                  3,
                  1,
                  {0x000000, 0xFFFFFF},
                  {1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1},
                  {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0}};

TEST(ParseCursor, BitmapsOfEveryDepthWithTheirMaskAndHotSpot) {
  const auto check = [](const char* name, const Dib& dib, int hotX, int hotY,
                        std::array<int, 4> geometry, const Pixels& argb) {
    SCOPED_TRACE(name);
    const auto cursor = ParseCursor(CurBytes(DibBytes(dib), hotX, hotY));
    ASSERT_TRUE(cursor);
    EXPECT_EQ(Geometry(*cursor), geometry);
    EXPECT_EQ(cursor->argb, argb);
  };
  constexpr std::uint32_t W = 0xFFFFFFFF, K = 0xFF000000;
  check("32 bits with alpha", kThirtyTwo, 1, 1, {3, 2, 1, 1}, kThirtyTwo.pixels);
  Dib noAlpha = kThirtyTwo;
  for (auto& p : noAlpha.pixels) p &= 0x00FFFFFF;
  check("32 bits without alpha take it from the mask", noAlpha, 0, 0, {3, 2, 0, 0},
        {0, 0, 0, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF});
  check("24 bits", {2, 2, 24, {}, {0x010203, 0x040506, 0x070809, 0x0A0B0C}, {0, 1, 0, 0}}, 1, 0,
        {2, 2, 1, 0}, {0xFF010203, 0, 0xFF070809, 0xFF0A0B0C});
  Pixels sixteen(16, 0), wide(201, 0);
  sixteen[2] = 0x123456, sixteen[15] = 0xABCDEF, wide[200] = 0x00FF80;
  check("4 bits", {3, 1, 4, sixteen, {15, 2, 15}, {0, 0, 1}}, 0, 0, {3, 1, 0, 0},
        {0xFFABCDEF, 0xFF123456, 0});
  check("8 bits, an index past the palette is black",
        {3, 1, 8, wide, {200, 0, 250}, {0, 0, 0}, 201}, 0, 0, {3, 1, 0, 0}, {0xFF00FF80, K, K});
  check("1 bit, a hot spot off the picture moves onto its edge", kOneBit, 40, 3, {5, 3, 4, 2},
        {W, K, W, 0, 0, K, K, K, K, K, 0, W, W, W, W});
}

// A 2 x 2 one-bit payload written out by hand, independent of the writer above.
TEST(ParseCursor, OneBitRowsAreBottomUpAndMostSignificantBitFirst) {
  Bytes dib;
  for (std::uint32_t v : {40, 2, 4, 0x00010001, 0, 0, 0, 0, 0, 0}) Put32(dib, v);
  Put32(dib, 0x000000FF);                                 // index 0: blue
  Put32(dib, 0x00FF0000);                                 // index 1: red
  dib.insert(dib.end(), {0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom: blue red; top: red blue
  dib.insert(dib.end(), {0x00, 0, 0, 0, 0x40, 0, 0, 0});  // top right transparent
  const auto c = ParseCursor(CurBytes(dib, 0, 1));
  ASSERT_TRUE(c);
  EXPECT_EQ(Geometry(*c), (std::array{2, 2, 0, 1}));
  EXPECT_EQ(c->argb, (Pixels{0xFFFF0000, 0, 0xFF0000FF, 0xFFFF0000}));
}

TEST(ParseCursor, PngPayloadsDecodeWithTheirAlpha) {
  const Pixels pixels{0xFF102030, 0x00000000, 0x80FFFFFF, 0xFF00FF00, 0xFFFF0000, 0x01020304};
  const auto c = ParseCursor(CurBytes(Png(3, 2, pixels), 2, 1));
  ASSERT_TRUE(c);
  EXPECT_EQ(Geometry(*c), (std::array{3, 2, 2, 1}));
  EXPECT_EQ(c->argb, pixels);
  EXPECT_FALSE(ParseCursor(CurBytes(Png(257, 1, Pixels(257)), 0, 0)));  // too wide
  testing::internal::CaptureStderr();  // the PNG decoder reports the damage there
  Bytes broken = Png(3, 2, pixels);
  broken[40] ^= 0xFF;  // inside the compressed data: the checksum no longer matches
  EXPECT_FALSE(ParseCursor(CurBytes(broken, 0, 0)));
  testing::internal::GetCapturedStderr();
}

TEST(ParseCursor, MalformedFilesGiveNothing) {
  const Bytes good = CurBytes(DibBytes(kOneBit), 0, 0);
  ASSERT_TRUE(ParseCursor(good));
  const auto with = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    Bytes b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + at);
    return b;
  };
  Dib wide = kOneBit, compressed = kOneBit, sixteen = kOneBit, bigPalette = kOneBit;
  wide.width = 257, wide.pixels.assign(257 * 3, 0), wide.mask.assign(257 * 3, 0);
  compressed.compression = 1, sixteen.bpp = 16;
  bigPalette.coloursUsed = 3, bigPalette.palette.push_back(0);
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"empty", {}},
      {"reserved not zero", with(0, {1})},
      {"an icon, not a cursor", with(2, {1})},
      {"no entries", with(4, {0})},
      {"more entries than the file holds", with(4, {0xFF, 0xFF})},
      {"size past the end", with(14, {0xFF, 0xFF})},
      {"offset past the end", with(18, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"zero size", with(14, {0, 0, 0, 0})},
      {"header size too small", with(22, {12})},
      {"header size past the payload", with(22, {0xFF, 0xFF})},
      {"zero width", with(26, {0})},
      {"negative width", with(26, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"odd doubled height", with(30, {5})},
      {"zero height", with(30, {0})},
      {"too wide", CurBytes(DibBytes(wide), 0, 0)},
      {"compressed", CurBytes(DibBytes(compressed), 0, 0)},
      {"16 bits", CurBytes(DibBytes(sixteen), 0, 0)},
      {"palette larger than the depth allows", CurBytes(DibBytes(bigPalette), 0, 0)},
  };
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(ParseCursor(bytes)) << name;
}

// Random damage is the cursor fuzz target's; here every cut of good files.
TEST(ParseCursor, EveryTruncationIsRefused) {
  testing::internal::CaptureStderr();  // the PNG decoder reports each damaged file there
  for (const Bytes& payload :
       {DibBytes(kThirtyTwo), DibBytes(kOneBit), Png(3, 2, kThirtyTwo.pixels)}) {
    const bool png = payload[0] == 0x89;
    const Bytes good = CurBytes(payload, 1, 1);
    ASSERT_TRUE(ParseCursor(good));
    for (std::size_t n = 0; n < good.size(); ++n) {
      EXPECT_FALSE(ParseCursor(Bytes(good.begin(), good.begin() + n))) << n;
    }
    // A whole directory around a cut payload: a cut bitmap lacks rows, a cut PNG its data
    // (one cut only in its end chunk may still load).
    for (std::size_t n = 0; n < payload.size() - (png ? 12 : 0); ++n) {
      EXPECT_FALSE(ParseCursor(CurBytes(Bytes(payload.begin(), payload.begin() + n), 1, 1))) << n;
    }
  }
  testing::internal::GetCapturedStderr();
}

}  // namespace
