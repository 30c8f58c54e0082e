// The forge's `png` kind (the desktop icon): its manifest lines and the files the build made.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"
#include "platform/image_file.h"

namespace {

namespace fs = std::filesystem;
using forge::Entry;
using forge::Kind;

std::string ErrorOf(const std::string& line) {
  try {
    forge::ReadManifest("m.txt", [&](const std::string&) { return std::optional(line + "\n"); });
  } catch (const forge::ForgeError& e) {
    return e.what();
  }
  return "";
}

TEST(ForgePng, ADrawingAtOneSizeWithTheDrawingOptions) {
  auto entries = forge::ReadManifest("m.txt", [](const std::string&) {
    return std::optional<std::string>("Gfx/Icon/i-64.png png 64x48 icon/i.svg flip=h var.r=2\n");
  });
  ASSERT_EQ(entries.size(), 1u);
  const Entry& e = entries[0];
  EXPECT_TRUE(e.kind == Kind::Png && e.width == 64 && e.height == 48 && e.frames == 1);
  EXPECT_EQ(e.flip, 'h');
  EXPECT_EQ(e.Outputs(), std::vector<std::string>{"Gfx/Icon/i-64.png"});
  EXPECT_EQ(forge::KindName(e.kind), "png");

  for (const char* bad : {"Gfx/I.bmp png 5x5 i.svg",                 // not .png
                          "Gfx/I.png png - i.svg",                   // no size
                          "Gfx/I.png png 5x5*2 i.svg",               // frames
                          "Gfx/I.png png 5x5 i.svg mask=Gfx/M.bmp",  // no mask
                          "Gfx/I.png png 5x5 i.svg bg=#FFFFFF",      // keeps its alpha
                          "Gfx/I.png picture 5x5 i.svg"}) {          // a picture is a BMP
    EXPECT_EQ(ErrorOf(bad).rfind("m.txt:1: ", 0), 0u) << bad;
  }
}

// Every PNG the build made is an 8-bit RGBA PNG of its entry's size that an ordinary reader
// (SDL_image, through the program's own loader) reads at that size.
TEST(ForgePng, BuiltFilesAreRgbaOfTheirSize) {
  const fs::path assets = fs::path(KIDPLAY_SOURCE_DIR) / "assets";
  int pngs = 0;
  for (const Entry& e : forge::ReadManifestFile(assets)) {
    if (e.kind != Kind::Png) continue;
    SCOPED_TRACE(e.path);
    auto bytes = assettest::ReadFile(fs::path(KIDPLAY_DIR) / e.path);
    ASSERT_TRUE(bytes && bytes->size() > 33) << "missing or short";
    const assettest::Bytes& b = *bytes;
    const assettest::Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), b.begin()));
    auto be32 = [&](std::size_t at) {
      return static_cast<int>(b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]);
    };
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_EQ(be32(16), e.width);
    EXPECT_EQ(be32(20), e.height);
    EXPECT_EQ(b[24], 8);  // bits per channel
    EXPECT_EQ(b[25], 6);  // red, green, blue and alpha
    auto read = platform::LoadPng((fs::path(KIDPLAY_DIR) / e.path).string());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->width() == e.width && read->height() == e.height);
    ++pngs;
  }
  EXPECT_EQ(pngs, 3);  // the icon at 64, 128 and 256 pixels
}

}  // namespace
