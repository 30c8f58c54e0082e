#include <stdlib.h>

#include <fstream>

#include "fake_host.h"

namespace {

using namespace GameUtil;

// A 24-bit bottom-up BMP of 0xRRGGBB pixels given top row first.
void WriteBmp(const std::filesystem::path& file, int w, int h,
              const std::vector<std::uint32_t>& pixels) {
  const int rowBytes = (w * 3 + 3) / 4 * 4;
  std::vector<std::uint8_t> b(54 + rowBytes * h, 0);
  const auto put32 = [&](int at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B', b[1] = 'M';
  put32(2, b.size()), put32(10, 54), put32(14, 40), put32(18, w), put32(22, h);
  b[26] = 1, b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < 3; ++c)
        b[54 + (h - 1 - y) * rowBytes + x * 3 + c] = (pixels[y * w + x] >> (8 * c)) & 0xFF;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<char*>(b.data()), b.size());
}

class Surfaces : public GameUtilTest {
 protected:
  void SetUp() override {
    GameUtilTest::SetUp();
    std::string pattern = std::filesystem::temp_directory_path() / "kidplay-gameutil-XXXXXX";
    host.base = mkdtemp(pattern.data());
  }
  void TearDown() override {
    std::filesystem::remove_all(host.base);
    GameUtilTest::TearDown();
  }
};

TEST_F(Surfaces, CreateAndDeleteKeepTheCountAndZeroTheVariable) {
  const std::int32_t before = GetDCCount();
  std::int32_t a = GenerateEmptyDC(0, 4, 3);
  std::int32_t b = GenerateEmptyDC(a, 2, 2);
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(GetDCCount(), before + 2);
  const platform::Surface* s = SurfaceOf(a);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->width(), 4);
  EXPECT_EQ(s->height(), 3);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(s->data()[i], 0u);

  const std::int32_t stale = a;
  EXPECT_NE(DeleteGeneratedDC(a), 0);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(GetDCCount(), before + 1);
  EXPECT_EQ(DeleteGeneratedDC(a), 1);  // the same variable again: harmless
  std::int32_t copy = stale;           // another copy of a deleted handle: refused
  EXPECT_EQ(DeleteGeneratedDC(copy), 0);
  EXPECT_EQ(copy, stale);
  EXPECT_EQ(SurfaceOf(stale), nullptr);
  EXPECT_NE(DeleteGeneratedDC(b), 0);
  EXPECT_EQ(GetDCCount(), before);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Surfaces, EmptySurfacesOfNoOrAbsurdSizeFailWithoutAMessage) {
  const std::int32_t before = GetDCCount();
  EXPECT_EQ(GenerateEmptyDC(0, 0, 10), 0);
  EXPECT_EQ(GenerateEmptyDC(0, 10, 0), 0);
  EXPECT_EQ(GenerateEmptyDC(0, -5, 10), 0);
  EXPECT_EQ(GenerateEmptyDC(0, 32767, 32767), 0);
  EXPECT_EQ(GenerateEmptyDC(0x7ABCDEF0, 10, 10), 0);  // not a surface
  EXPECT_EQ(GetDCCount(), before);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Surfaces, MissingOrBrokenPictureGivesOneBoxUnderTheContext) {
  const std::int32_t before = GetDCCount();
  EXPECT_EQ(GenerateDC("Gfx\\Menu\\Nope.bmp"), 0);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].title, "Error");
  EXPECT_EQ(host.boxes[0].text, "Menu:Failed to load image: Gfx\\Menu\\Nope.bmp");
  EXPECT_EQ(host.boxes[0].icon, platform::MessageIcon::Exclamation);

  std::ofstream(host.base / "Broken.bmp") << "BM not really a picture";
  SetErrorContext("Maze");
  EXPECT_EQ(GenerateDC("broken.BMP"), 0);
  ASSERT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(host.boxes[1].text, "Maze:Failed to load image: broken.BMP");
  EXPECT_EQ(GetDCCount(), before);
}

TEST_F(Surfaces, LoadsAPictureThroughTheProgramPath) {
  WriteBmp(host.base / "Gfx/Menu/Bg.bmp", 3, 2,
           {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0x000000, 0xFFFFFF});
  const std::int32_t before = GetDCCount();
  std::int32_t h = GenerateDC("gfx\\menu\\BG.bmp");
  ASSERT_NE(h, 0);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(GetDCCount(), before + 1);
  const platform::Surface& s = *SurfaceOf(h);
  ASSERT_EQ(s.width(), 3);
  ASSERT_EQ(s.height(), 2);
  EXPECT_EQ(s.row(0)[0], 0xFF0000u);
  EXPECT_EQ(s.row(0)[2], 0x0000FFu);
  EXPECT_EQ(s.row(1)[0], 0x123456u);
  EXPECT_EQ(s.row(1)[2], 0xFFFFFFu);

  // Copies from a 0 handle or onto one draw nothing.
  platform::Surface target(3, 2, 0x777777);
  BitBlt(target, 0, 0, 3, 2, 0, 0, 0, platform::Rop::Copy);
  BitBlt(0, 0, 0, 3, 2, h, 0, 0, platform::Rop::Copy);
  StretchBlt(target, 0, 0, 6, 4, 0, 0, 0, 3, 2, platform::Rop::Copy);
  EXPECT_EQ(target.row(1)[2], 0x777777u);
  BitBlt(target, 0, 0, 3, 2, h, 0, 0, platform::Rop::Copy);
  EXPECT_EQ(target.row(1)[2], 0xFFFFFFu);
  DeleteGeneratedDC(h);
  EXPECT_EQ(GetDCCount(), before);
}

}  // namespace
