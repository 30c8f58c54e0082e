#include <algorithm>
#include <array>

#include "fake_host.h"
#include "platform/raster/raster_support.h"
#include "platform/store/temp_folder.h"

namespace {

using namespace GameUtil;

// Program paths resolve below a fresh temporary folder.
class Surfaces : public GameUtilTest {
 protected:
  void SetUp() override {
    GameUtilTest::SetUp();
    host.base = tmp.path();
  }
  TempFolder tmp;
};

TEST_F(Surfaces, CountFollowsCreatesAndDeletesAndBadRequestsFailWithoutABox) {
  const std::int32_t before = GetDCCount();
  std::int32_t a = GenerateEmptyDC(0, 4, 3);
  std::int32_t b = GenerateEmptyDC(a, 2, 2);
  ASSERT_TRUE(a != 0 && b != 0 && a != b);
  EXPECT_EQ(GetDCCount(), before + 2);
  const platform::Surface* s = SurfaceOf(a);
  ASSERT_TRUE(s);
  EXPECT_EQ(std::pair(s->width(), s->height()), std::pair(4, 3));
  EXPECT_TRUE(std::all_of(s->data(), s->data() + 12, [](auto p) { return p == 0; }));

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

  // No size, an absurd size, or a reference that is no longer a surface.
  const std::array<std::int32_t, 3> refused[] = {
      {0, 0, 10}, {0, 10, 0}, {0, -5, 10}, {0, 32767, 32767}, {stale, 10, 10}};
  for (const auto& [reference, w, h] : refused)
    EXPECT_EQ(GenerateEmptyDC(reference, w, h), 0) << reference << ": " << w << " x " << h;
  EXPECT_EQ(GetDCCount(), before);
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(Surfaces, MissingOrBrokenPictureGivesOneBoxUnderTheContext) {
  const std::int32_t before = GetDCCount();
  EXPECT_EQ(GenerateDC("Gfx\\Menu\\Nope.bmp"), 0);
  tmp.Write("Broken.bmp", "BM not really a picture");
  SetErrorContext("Maze");
  EXPECT_EQ(GenerateDC("broken.BMP"), 0);
  const auto box = [](const char* text) {
    return Box{"Error", text, platform::MessageIcon::Exclamation};
  };
  EXPECT_EQ(host.boxes, (std::vector<Box>{box("Menu:Failed to load image: Gfx\\Menu\\Nope.bmp"),
                                          box("Maze:Failed to load image: broken.BMP")}));
  EXPECT_EQ(GetDCCount(), before);

  // Once a file has failed, its later failures are silent, whatever the spelling; another
  // file still gets its box.
  for (const char* again : {"Gfx\\Menu\\Nope.bmp", "gfx/menu/NOPE.bmp", "Broken.bmp"})
    EXPECT_EQ(GenerateDC(again), 0) << again;
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_EQ(GenerateDC("Gfx\\Menu\\Other.bmp"), 0);
  EXPECT_EQ(host.boxes.size(), 3u);
  // A new run reports them again.
  ResetSavedState();
  EXPECT_EQ(GenerateDC("Gfx\\Menu\\Nope.bmp"), 0);
  EXPECT_EQ(host.boxes.size(), 4u);
}

TEST_F(Surfaces, LoadsAPictureThroughTheProgramPathAndCopiesNothingThroughA0Handle) {
  const std::vector<std::uint32_t> pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0, 0xFFFFFF};
  platform::Surface picture(3, 2);
  std::copy(pixels.begin(), pixels.end(), picture.data());
  const platform::test::Bytes bmp = platform::test::MakeBmp(picture, 24, false);
  tmp.Write("Gfx/Menu/Bg.bmp", std::string(bmp.begin(), bmp.end()));
  const std::int32_t before = GetDCCount();
  std::int32_t h = GenerateDC("gfx\\menu\\BG.bmp");
  ASSERT_NE(h, 0);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(GetDCCount(), before + 1);
  const platform::Surface& s = *SurfaceOf(h);
  ASSERT_EQ(std::pair(s.width(), s.height()), std::pair(3, 2));
  EXPECT_EQ(std::vector(s.data(), s.data() + 6), pixels);

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
