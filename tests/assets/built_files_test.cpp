// The files the build made, held against the manifest and read both with independent readers and
// with the program's own: every entry exists with its format and size, picture and mask agree,
// cursors carry their hot spot, sounds have samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"
#include "platform/cursor.h"
#include "platform/image_file.h"

namespace {

namespace fs = std::filesystem;
using assettest::Bytes;
using forge::Entry;
using forge::Kind;

const fs::path kProgramDir = KIDPLAY_DIR;
const fs::path kAssetsDir = fs::path(KIDPLAY_SOURCE_DIR) / "assets";

class BuiltAssets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { entries_ = forge::ReadManifestFile(kAssetsDir); }

  void SetUp() override {
    // A build configured without the forge has nothing to check.
    std::ifstream cache(kProgramDir / "CMakeCache.txt");
    std::stringstream text;
    text << cache.rdbuf();
    if (text.str().find("KIDPLAY_ASSETS:BOOL=OFF") != std::string::npos) {
      GTEST_SKIP() << "this build folder does not run the forge";
    }
  }

  // A built file's bytes; a missing file fails the test and reads as nothing.
  static Bytes Built(const std::string& path) {
    auto bytes = assettest::ReadFile(kProgramDir / path);
    if (!bytes) ADD_FAILURE() << path << " is missing";
    return bytes.value_or(Bytes{});
  }

  static inline std::vector<Entry> entries_;
};

TEST_F(BuiltAssets, ManifestHasTheSharedPictures) {
  // The menu, buttons and cursors the program always needs, by kind and size.
  struct Want {
    const char* path;
    Kind kind;
    int w, h;
  };
  const Want wants[] = {{"Gfx/Buttons/Stop.bmp", Kind::Sprite, 50, 50},
                        {"Gfx/Buttons/Options.bmp", Kind::Sprite, 50, 50},
                        {"Gfx/Buttons/Next.bmp", Kind::Sprite, 50, 50},
                        {"Gfx/Menu/Bg.bmp", Kind::Picture, 800, 600},
                        {"Gfx/Menu/Logo6.bmp", Kind::Sprite, 110, 120},
                        {"Gfx/Menu/ScratchIcon.bmp", Kind::Picture, 200, 150},
                        {"Gfx/Menu/Frame.bmp", Kind::Sprite, 200, 150},
                        {"Gfx/Menu/SoundOn.bmp", Kind::Sprite, 50, 50},
                        {"Gfx/Menu/About.bmp", Kind::Picture, 600, 420},
                        {"Gfx/Cursors/harrow.cur", Kind::Cursor, 32, 32}};
  for (const Want& w : wants) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&](const Entry& e) { return e.path == w.path; });
    ASSERT_NE(it, entries_.end()) << w.path;
    EXPECT_TRUE(it->kind == w.kind && it->width == w.w && it->height == w.h) << w.path;
  }
}

// Pictures are 24-bit BMPs of their size; masks are black and white, with the picture black
// where the mask is white and something drawn in every frame.
TEST_F(BuiltAssets, PicturesAndMasks) {
  int pictures = 0;
  std::vector<Entry> all = entries_;  // with the pictures and sprites a scene entry makes
  for (const Entry& e : entries_) all.insert(all.end(), e.parts.begin(), e.parts.end());
  for (const Entry& e : all) {
    if (e.kind != Kind::Picture && e.kind != Kind::Sprite && e.kind != Kind::Strip) continue;
    SCOPED_TRACE(e.path + " (" + e.where + ")");
    for (const std::string& path : e.Outputs()) {
      auto surface = platform::LoadBmp((kProgramDir / path).string());
      ASSERT_TRUE(surface) << path << " is refused by the program";
      EXPECT_EQ(surface->width(), e.width * e.frames) << path;
      EXPECT_EQ(surface->height(), e.height) << path;
      ++pictures;
    }
    std::string why;
    auto picture = assettest::ParseBmp24(Built(e.path), why);
    ASSERT_TRUE(picture) << why;
    EXPECT_EQ(picture->width, e.width * e.frames);
    EXPECT_EQ(picture->height, e.height);
    if (e.kind == Kind::Picture) continue;

    auto mask = assettest::ParseBmp24(Built(e.mask), why);
    ASSERT_TRUE(mask) << e.mask << ": " << why;
    ASSERT_TRUE(mask->width == picture->width && mask->height == picture->height) << e.mask;
    int grey = 0, leaks = 0;
    std::vector<int> opaquePerFrame(e.frames, 0);
    for (std::size_t i = 0; i < mask->rgb.size(); ++i) {
      const std::uint32_t m = mask->rgb[i];
      grey += m != 0 && m != 0xFFFFFF;
      leaks += m == 0xFFFFFF && picture->rgb[i] != 0;
      opaquePerFrame[i % mask->width / e.width] += m == 0;
    }
    EXPECT_EQ(grey, 0) << e.mask << " has pixels that are neither black nor white";
    EXPECT_EQ(leaks, 0) << "not black where " << e.mask << " is white";
    for (int f = 0; f < e.frames; ++f) EXPECT_GT(opaquePerFrame[f], 0) << "frame " << f << " empty";
  }
  EXPECT_GT(pictures, 0);
}

TEST_F(BuiltAssets, CursorsCarryTheirSizeAndHotSpotOnTheDrawing) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Cursor) continue;
    SCOPED_TRACE(e.path);
    const Bytes bytes = Built(e.path);
    std::string why;
    auto cur = assettest::ParseCur32(bytes, why);
    ASSERT_TRUE(cur) << why;
    EXPECT_TRUE(cur->width == e.width && cur->height == e.height);
    EXPECT_TRUE(cur->hotX == e.hotX && cur->hotY == e.hotY);
    auto mine = platform::ParseCursor(bytes);
    ASSERT_TRUE(mine) << "refused by the program";
    EXPECT_TRUE(mine->width == e.width && mine->hotX == e.hotX && mine->hotY == e.hotY);
    // The hot spot sits on (or right beside) a visible part of the drawing.
    bool near = false;
    for (int y = std::max(0, e.hotY - 3); y <= std::min(cur->height - 1, e.hotY + 3); ++y) {
      for (int x = std::max(0, e.hotX - 3); x <= std::min(cur->width - 1, e.hotX + 3); ++x) {
        near = near || (cur->argb[static_cast<size_t>(y) * cur->width + x] >> 24) >= 128;
      }
    }
    EXPECT_TRUE(near) << "nothing is drawn at the hot spot";
  }
}

TEST_F(BuiltAssets, SoundsAre16BitPcmWithSamples) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Sound && e.kind != Kind::Music) continue;
    SCOPED_TRACE(e.path);
    std::string why;
    auto wav = assettest::ParseWav(Built(e.path), why);
    ASSERT_TRUE(wav) << why;
    EXPECT_EQ(wav->format, 1);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_GT(wav->frames, 0u);
    if (e.kind == Kind::Music) {
      EXPECT_TRUE(wav->channels == 2 && wav->rate == 44100);
    } else {
      EXPECT_TRUE(wav->channels == 1 && wav->rate >= 8000 && wav->rate <= 48000);
    }
  }
}

TEST_F(BuiltAssets, TheJingleAndTheSilenceHaveTheirLengths) {
  std::string why;
  auto jingle = assettest::ParseWav(Built("Sfx/Menu/menu_once0.wav"), why);
  ASSERT_TRUE(jingle) << why;
  const double seconds = static_cast<double>(jingle->frames) / jingle->rate;
  EXPECT_TRUE(seconds >= 5 && seconds <= 9) << seconds;
  const Bytes silence = Built("Sfx/Silence.wav");
  auto s = assettest::ParseWav(silence, why);
  ASSERT_TRUE(s) << why;
  EXPECT_LE(static_cast<double>(s->frames) / s->rate, 0.5);
  // Silence is silent: every sample of the data chunk is zero.
  EXPECT_TRUE(std::all_of(silence.end() - static_cast<long>(s->frames * 2), silence.end(),
                          [](std::uint8_t b) { return b == 0; }));
}

TEST_F(BuiltAssets, DataFilesAreCopiedByteForByte) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Data) continue;
    auto source = assettest::ReadFile(kAssetsDir / e.source);
    ASSERT_TRUE(source) << e.source << " missing";
    EXPECT_EQ(Built(e.path), *source) << e.path;
  }
}

}  // namespace
