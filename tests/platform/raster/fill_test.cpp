// Bulk fills and the picture version the screen uses to skip unchanged pictures.
#include <gtest/gtest.h>

#include <vector>

#include "platform/draw.h"
#include "raster_support.h"

namespace platform {
namespace {

// Every length around the vector widths of a bulk fill, at every alignment of its start: the
// run is filled exactly, the pixels before and after it stay.
TEST(Fill, FillPixelsWritesExactlyItsRunAtAnyLengthAndAlignment) {
  constexpr std::uint32_t kGuard = 0x00ABCDEF;
  constexpr std::uint32_t kPixel = 0x00123456;  // bytes differ: no byte-wise memset can do it
  for (const std::size_t n : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 33, 64, 1001}) {
    for (std::size_t offset = 0; offset < 4; ++offset) {
      std::vector<std::uint32_t> buffer(n + 8, kGuard);
      FillPixels(buffer.data() + offset, n, kPixel);
      for (std::size_t i = 0; i < buffer.size(); ++i) {
        const bool inside = i >= offset && i < offset + n;
        ASSERT_EQ(buffer[i], inside ? kPixel : kGuard)
            << "n " << n << " offset " << offset << " at " << i;
      }
    }
  }
}

// A version that has not moved promises an unchanged picture; every way of writing moves it.
TEST(Fill, EveryWriteAndAssignmentMovesThePictureVersion) {
  Surface s(4, 4);
  const Surface other(4, 4, 0x00FF0000);
  struct Case {
    const char* what;
    void (*write)(Surface&, const Surface&);
  };
  const Case cases[] = {
      {"row", [](Surface& s, const Surface&) { s.row(1)[2] = 7; }},
      {"data", [](Surface& s, const Surface&) { s.data()[0] = 7; }},
      {"Fill", [](Surface& s, const Surface&) { s.Fill(3); }},
      {"Blit", [](Surface& s, const Surface& o) { Blit(s, 0, 0, 2, 2, o, 0, 0, Rop::Copy); }},
      {"SetPixel", [](Surface& s, const Surface&) { SetPixel(s, 1, 1, Rgb(9, 9, 9)); }},
      {"FillBox", [](Surface& s, const Surface&) { FillBox(s, 0, 0, 1, 1, Rgb(1, 1, 1)); }},
      {"copy", [](Surface& s, const Surface& o) { s = o; }},
      {"move", [](Surface& s, const Surface& o) { s = Surface(o); }},
  };
  for (const Case& c : cases) {
    const std::uint64_t before = s.version();
    c.write(s, other);
    EXPECT_GT(s.version(), before) << c.what;
  }
  // Reading leaves it.
  const std::uint64_t before = s.version();
  const Surface& view = s;
  EXPECT_GE(GetPixel(view, 0, 0), 0);
  EXPECT_EQ(view.row(0)[0], view.data()[0]);
  EXPECT_EQ(s.version(), before);
  // An assigned picture takes a version past both, so it never matches a stale one.
  Surface a(2, 2), b(2, 2);
  a.Fill(1);
  b = a;
  EXPECT_NE(b.version(), a.version());
}

}  // namespace
}  // namespace platform
