// ".cur" files written here byte by byte: the pictures, masks and hot spots that come out.
#include "platform/cursor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>

#include "platform/sound/sound_files.h"

namespace {

using platform::CursorImage;
using platform::ParseCursor;
using soundtest::Bytes;
using soundtest::Put16;
using soundtest::Put32;

// A picture for the DIB writer, rows top-down: palette indices for 1-8 bits, else 0xAARRGGBB.
struct Dib {
  int width = 0;
  int height = 0;
  int bpp = 32;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB
  std::vector<std::uint32_t> pixels;
  std::vector<int> mask;  // 1 = transparent
  std::uint32_t coloursUsed = 0;
  std::uint32_t compression = 0;
};

Bytes DibBytes(const Dib& d) {
  Bytes b;
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(d.width));
  Put32(b, static_cast<std::uint32_t>(2 * d.height));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(d.bpp));
  Put32(b, d.compression);
  for (int i = 0; i < 5; ++i) Put32(b, i == 3 ? d.coloursUsed : 0);
  for (std::uint32_t c : d.palette) Put32(b, c);
  const std::size_t xorStride = (static_cast<std::size_t>(d.width) * d.bpp + 31) / 32 * 4;
  const std::size_t andStride = (static_cast<std::size_t>(d.width) + 31) / 32 * 4;
  for (int y = d.height - 1; y >= 0; --y) {
    Bytes row(xorStride, 0);
    for (int x = 0; x < d.width; ++x) {
      const std::uint32_t v = d.pixels[static_cast<std::size_t>(y) * d.width + x];
      switch (d.bpp) {
        case 1:
          row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
          break;
        case 4:
          row[x / 2] |= static_cast<std::uint8_t>((v & 15) << (x % 2 ? 0 : 4));
          break;
        case 8:
          row[x] = static_cast<std::uint8_t>(v);
          break;
        default:
          for (int k = 0; k < d.bpp / 8; ++k) row[x * d.bpp / 8 + k] = (v >> (8 * k)) & 0xFF;
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  for (int y = d.height - 1; y >= 0; --y) {
    Bytes row(andStride, 0);
    for (int x = 0; x < d.width; ++x) {
      if (d.mask[static_cast<std::size_t>(y) * d.width + x]) {
        row[x / 8] |= static_cast<std::uint8_t>(1 << (7 - x % 8));
      }
    }
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

// A cursor file with one entry holding `payload`.
Bytes CurBytes(const Bytes& payload, int hotX, int hotY, int w = 32, int h = 32) {
  Bytes b;
  Put16(b, 0);
  Put16(b, 2);
  Put16(b, 1);
  b.push_back(static_cast<std::uint8_t>(w));
  b.push_back(static_cast<std::uint8_t>(h));
  b.push_back(0);
  b.push_back(0);
  Put16(b, static_cast<std::uint32_t>(hotX));
  Put16(b, static_cast<std::uint32_t>(hotY));
  Put32(b, static_cast<std::uint32_t>(payload.size()));
  Put32(b, 22);
  b.insert(b.end(), payload.begin(), payload.end());
  return b;
}

// A 3 x 2 cursor of 32 bits with its own alpha; the mask says otherwise and must be ignored.
Dib ThirtyTwo() {
  Dib d;
  d.width = 3;
  d.height = 2;
  d.pixels = {0xFF112233, 0x80445566, 0x00000000, 0x40FF0000, 0xFF00FF00, 0xFF0000FF};
  d.mask = {1, 1, 1, 0, 0, 0};
  return d;
}

// A 5 x 3 one-bit cursor: black and white, transparent where the mask is set.
Dib OneBit() {
  Dib d;
  d.width = 5;
  d.height = 3;
  d.bpp = 1;
  d.palette = {0x000000, 0xFFFFFF};
  d.pixels = {1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1};
  d.mask = {0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0};
  return d;
}

TEST(ParseCursor, ThirtyTwoBitsKeepTheirOwnAlphaAndTheHotSpot) {
  const std::optional<CursorImage> c = ParseCursor(CurBytes(DibBytes(ThirtyTwo()), 1, 1));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->width, 3);
  EXPECT_EQ(c->height, 2);
  EXPECT_EQ(c->hotX, 1);
  EXPECT_EQ(c->hotY, 1);
  EXPECT_EQ(c->argb, ThirtyTwo().pixels);
}

TEST(ParseCursor, ThirtyTwoBitsWithoutAnyAlphaTakeItFromTheMask) {
  Dib d = ThirtyTwo();
  for (auto& p : d.pixels) p &= 0x00FFFFFF;
  const std::optional<CursorImage> c = ParseCursor(CurBytes(DibBytes(d), 0, 0));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{0, 0, 0, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF}));
}

TEST(ParseCursor, OneBitUsesThePaletteAndTheMask) {
  // 2 x 2, written out by hand: rows bottom-up, padded to 4 bytes, most significant bit first.
  Bytes dib;
  for (std::uint32_t v : {40u, 2u, 4u}) Put32(dib, v);
  Put16(dib, 1);
  Put16(dib, 1);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  Put32(dib, 0x000000FF);                                 // index 0: blue
  Put32(dib, 0x00FF0000);                                 // index 1: red
  dib.insert(dib.end(), {0x40, 0, 0, 0, 0x80, 0, 0, 0});  // bottom: blue red; top: red blue
  dib.insert(dib.end(), {0x00, 0, 0, 0, 0x40, 0, 0, 0});  // top right transparent
  const std::optional<CursorImage> c = ParseCursor(CurBytes(dib, 0, 1));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->width, 2);
  EXPECT_EQ(c->height, 2);
  EXPECT_EQ(c->hotX, 0);
  EXPECT_EQ(c->hotY, 1);
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{0xFFFF0000, 0, 0xFF0000FF, 0xFFFF0000}));
}

TEST(ParseCursor, FourEightAndTwentyFourBits) {
  Dib four;
  four.width = 3;
  four.height = 1;
  four.bpp = 4;
  four.palette.assign(16, 0);
  four.palette[2] = 0x123456;
  four.palette[15] = 0xABCDEF;
  four.pixels = {15, 2, 15};
  four.mask = {0, 0, 1};
  auto c = ParseCursor(CurBytes(DibBytes(four), 0, 0));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{0xFFABCDEF, 0xFF123456, 0}));

  Dib eight = four;
  eight.bpp = 8;
  eight.palette.assign(201, 0);
  eight.palette[200] = 0x00FF80;
  eight.coloursUsed = 201;
  eight.pixels = {200, 0, 250};  // 250 is past the palette: black
  eight.mask = {0, 0, 0};
  c = ParseCursor(CurBytes(DibBytes(eight), 0, 0));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{0xFF00FF80, 0xFF000000, 0xFF000000}));

  Dib rgb;
  rgb.width = 2;
  rgb.height = 2;
  rgb.bpp = 24;
  rgb.pixels = {0x010203, 0x040506, 0x070809, 0x0A0B0C};
  rgb.mask = {0, 1, 0, 0};
  c = ParseCursor(CurBytes(DibBytes(rgb), 1, 0));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{0xFF010203, 0, 0xFF070809, 0xFF0A0B0C}));
}

// --- PNG payloads: a minimal PNG writer (stored deflate blocks) ---

std::uint32_t Crc(const std::uint8_t* p, std::size_t n) {
  std::uint32_t c = 0xFFFFFFFF;
  for (std::size_t i = 0; i < n; ++i) {
    c ^= p[i];
    for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
  }
  return ~c;
}

void PutBE32(Bytes& b, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

void PngChunk(Bytes& png, const char* type, const Bytes& data) {
  PutBE32(png, static_cast<std::uint32_t>(data.size()));
  Bytes body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  png.insert(png.end(), body.begin(), body.end());
  PutBE32(png, Crc(body.data(), body.size()));
}

Bytes Png(int w, int h, const std::vector<std::uint32_t>& argb) {
  Bytes raw;
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = argb[static_cast<std::size_t>(y) * w + x];
      for (int s : {16, 8, 0, 24}) raw.push_back(static_cast<std::uint8_t>(p >> s));
    }
  }
  Bytes z{0x78, 0x01, 0x01};
  Put16(z, static_cast<std::uint32_t>(raw.size()));
  Put16(z, static_cast<std::uint32_t>(~raw.size() & 0xFFFF));
  z.insert(z.end(), raw.begin(), raw.end());
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  PutBE32(z, (b << 16) | a);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  PutBE32(ihdr, static_cast<std::uint32_t>(w));
  PutBE32(ihdr, static_cast<std::uint32_t>(h));
  ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
  PngChunk(png, "IHDR", ihdr);
  PngChunk(png, "IDAT", z);
  PngChunk(png, "IEND", {});
  return png;
}

// The PNG decoder reports each damaged file on stderr; keeps the test log readable meanwhile.
class QuietStderr {
 public:
  QuietStderr() : saved_(::dup(2)) {
    const int null = ::open("/dev/null", O_WRONLY);
    if (null >= 0) {
      ::dup2(null, 2);
      ::close(null);
    }
  }
  ~QuietStderr() {
    if (saved_ >= 0) {
      ::dup2(saved_, 2);
      ::close(saved_);
    }
  }

 private:
  int saved_;
};

TEST(ParseCursor, PngPayloadsDecodeWithTheirAlpha) {
  const std::vector<std::uint32_t> pixels{0xFF102030, 0x00000000, 0x80FFFFFF,
                                          0xFF00FF00, 0xFFFF0000, 0x01020304};
  const std::optional<CursorImage> c = ParseCursor(CurBytes(Png(3, 2, pixels), 2, 1));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->width, 3);
  EXPECT_EQ(c->height, 2);
  EXPECT_EQ(c->hotX, 2);
  EXPECT_EQ(c->hotY, 1);
  EXPECT_EQ(c->argb, pixels);

  EXPECT_FALSE(ParseCursor(CurBytes(Png(257, 1, std::vector<std::uint32_t>(257)), 0, 0)));
  QuietStderr quiet;
  Bytes broken = Png(3, 2, pixels);
  broken[40] ^= 0xFF;  // inside the compressed data: the checksum no longer matches
  EXPECT_FALSE(ParseCursor(CurBytes(broken, 0, 0)));
}

TEST(ParseCursor, AHotSpotOffThePictureMovesOntoItsEdge) {
  const std::optional<CursorImage> c = ParseCursor(CurBytes(DibBytes(OneBit()), 40, 3));
  ASSERT_TRUE(c);
  EXPECT_EQ(c->hotX, 4);
  EXPECT_EQ(c->hotY, 2);
  const std::uint32_t W = 0xFFFFFFFF, K = 0xFF000000;
  EXPECT_EQ(c->argb, (std::vector<std::uint32_t>{W, K, W, 0, 0, K, K, K, K, K, 0, W, W, W, W}));
}

TEST(ParseCursor, MalformedFilesGiveNothing) {
  const Bytes dib = DibBytes(OneBit());
  const Bytes good = CurBytes(dib, 0, 0);
  ASSERT_TRUE(ParseCursor(good));
  auto with = [](Bytes b, std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), b.begin() + at);
    return b;
  };
  auto dibWith = [](Dib d) { return CurBytes(DibBytes(d), 0, 0); };
  Dib huge = OneBit();
  huge.width = 257;
  huge.pixels.assign(257 * 3, 0);
  huge.mask.assign(257 * 3, 0);
  Dib compressed = OneBit();
  compressed.compression = 1;
  Dib sixteen = OneBit();
  sixteen.bpp = 16;
  Dib bigPalette = OneBit();
  bigPalette.coloursUsed = 3;
  bigPalette.palette.push_back(0);
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"empty", {}},
      {"reserved not zero", with(good, 0, {1})},
      {"an icon, not a cursor", with(good, 2, {1})},
      {"no entries", with(good, 4, {0})},
      {"more entries than the file holds", with(good, 4, {0xFF, 0xFF})},
      {"size past the end", with(good, 14, {0xFF, 0xFF})},
      {"offset past the end", with(good, 18, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"zero size", with(good, 14, {0, 0, 0, 0})},
      {"header size too small", with(good, 22, {12})},
      {"header size past the payload", with(good, 22, {0xFF, 0xFF})},
      {"zero width", with(good, 26, {0})},
      {"negative width", with(good, 26, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"odd doubled height", with(good, 30, {5})},
      {"zero height", with(good, 30, {0})},
      {"too wide", dibWith(huge)},
      {"compressed", dibWith(compressed)},
      {"16 bits", dibWith(sixteen)},
      {"palette larger than the depth allows", dibWith(bigPalette)},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(ParseCursor(bytes)) << name;
  }
}

TEST(ParseCursor, EveryTruncationAndRandomDamageIsSafe) {
  QuietStderr quiet;
  const std::vector<Bytes> payloads{DibBytes(ThirtyTwo()), DibBytes(OneBit()),
                                    Png(3, 2, ThirtyTwo().pixels)};
  for (std::size_t which = 0; which < payloads.size(); ++which) {
    const Bytes& payload = payloads[which];
    const bool png = which == 2;
    const Bytes good = CurBytes(payload, 1, 1);
    ASSERT_TRUE(ParseCursor(good));
    for (std::size_t n = 0; n < good.size(); ++n) {
      EXPECT_FALSE(ParseCursor(Bytes(good.begin(), good.begin() + n))) << n;
    }
    // A whole directory around a cut payload: a cut bitmap lacks rows, a cut PNG its data.
    for (std::size_t n = 0; n < payload.size(); ++n) {
      const auto c = ParseCursor(CurBytes(Bytes(payload.begin(), payload.begin() + n), 1, 1));
      if (!png || n < payload.size() - 12) {  // a PNG cut only in its end chunk may still load
        EXPECT_FALSE(c) << n;
      }
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 500; ++i) {
      Bytes b = good;
      for (int k = 0; k < 3; ++k) b[rng() % b.size()] = static_cast<std::uint8_t>(rng());
      if (auto c = ParseCursor(b)) {
        EXPECT_EQ(c->argb.size(), static_cast<std::size_t>(c->width) * c->height);
        EXPECT_LT(c->hotX, c->width);
        EXPECT_LT(c->hotY, c->height);
      }
    }
  }
  std::mt19937 rng(11);
  for (int i = 0; i < 500; ++i) {
    Bytes b(rng() % 300);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    if (i % 2 == 0 && b.size() >= 6) {
      // A valid directory start, so the entry and payload checks are reached.
      b[0] = b[1] = b[3] = b[5] = 0;
      b[2] = 2;
      b[4] = 1;
    }
    (void)ParseCursor(b);
  }
}

}  // namespace
