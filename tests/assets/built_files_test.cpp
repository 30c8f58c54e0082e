// The files the build made, held against the manifest: every entry exists with its format and
// size, picture and mask agree, cursors carry their hot spot, sounds have samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"

namespace {

namespace fs = std::filesystem;
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

  static std::optional<assettest::Bmp> LoadBmp(const std::string& path, std::string& why) {
    auto bytes = assettest::ReadFile(kProgramDir / path);
    if (!bytes) {
      why = "missing";
      return std::nullopt;
    }
    return assettest::ParseBmp24(*bytes, why);
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
    EXPECT_EQ(it->kind, w.kind) << w.path;
    EXPECT_EQ(it->width, w.w) << w.path;
    EXPECT_EQ(it->height, w.h) << w.path;
  }
}

TEST_F(BuiltAssets, PicturesAreBmpsOfTheirSize) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Picture && e.kind != Kind::Sprite && e.kind != Kind::Strip) continue;
    std::string why;
    auto picture = LoadBmp(e.path, why);
    ASSERT_TRUE(picture) << e.path << " (" << e.where << "): " << why;
    EXPECT_EQ(picture->width, e.width * e.frames) << e.path;
    EXPECT_EQ(picture->height, e.height) << e.path;
  }
}

TEST_F(BuiltAssets, MasksAreBlackAndWhiteAndThePictureIsBlackWhereTheMaskIsWhite) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Sprite && e.kind != Kind::Strip) continue;
    std::string why;
    auto picture = LoadBmp(e.path, why);
    ASSERT_TRUE(picture) << e.path << ": " << why;
    auto mask = LoadBmp(e.mask, why);
    ASSERT_TRUE(mask) << e.mask << " (mask of " << e.path << "): " << why;
    ASSERT_EQ(mask->width, picture->width) << e.mask;
    ASSERT_EQ(mask->height, picture->height) << e.mask;
    int grey = 0, leaks = 0;
    std::vector<int> opaquePerFrame(e.frames, 0);
    for (int y = 0; y < mask->height; ++y) {
      for (int x = 0; x < mask->width; ++x) {
        size_t i = static_cast<size_t>(y) * mask->width + x;
        std::uint32_t m = mask->rgb[i];
        grey += m != 0 && m != 0xFFFFFF;
        leaks += m == 0xFFFFFF && picture->rgb[i] != 0;
        opaquePerFrame[x / e.width] += m == 0;
      }
    }
    EXPECT_EQ(grey, 0) << e.mask << " has pixels that are neither black nor white";
    EXPECT_EQ(leaks, 0) << e.path << " is not black where " << e.mask << " is white";
    for (int f = 0; f < e.frames; ++f) {
      EXPECT_GT(opaquePerFrame[f], 0) << e.path << " frame " << f << " is empty";
    }
  }
}

TEST_F(BuiltAssets, CursorsCarryTheirSizeAndHotSpotOnTheDrawing) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Cursor) continue;
    auto bytes = assettest::ReadFile(kProgramDir / e.path);
    ASSERT_TRUE(bytes) << e.path << " missing";
    std::string why;
    auto cur = assettest::ParseCur32(*bytes, why);
    ASSERT_TRUE(cur) << e.path << ": " << why;
    EXPECT_EQ(cur->width, e.width) << e.path;
    EXPECT_EQ(cur->height, e.height) << e.path;
    EXPECT_EQ(cur->hotX, e.hotX) << e.path;
    EXPECT_EQ(cur->hotY, e.hotY) << e.path;
    // The hot spot sits on (or right beside) a visible part of the drawing.
    bool near = false;
    for (int dy = -3; dy <= 3; ++dy) {
      for (int dx = -3; dx <= 3; ++dx) {
        int x = cur->hotX + dx, y = cur->hotY + dy;
        if (x < 0 || y < 0 || x >= cur->width || y >= cur->height) continue;
        near = near || (cur->argb[static_cast<size_t>(y) * cur->width + x] >> 24) >= 128;
      }
    }
    EXPECT_TRUE(near) << e.path << ": nothing is drawn at the hot spot";
  }
}

TEST_F(BuiltAssets, SoundsAre16BitPcmWithSamples) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Sound && e.kind != Kind::Music) continue;
    auto bytes = assettest::ReadFile(kProgramDir / e.path);
    ASSERT_TRUE(bytes) << e.path << " missing";
    std::string why;
    auto wav = assettest::ParseWav(*bytes, why);
    ASSERT_TRUE(wav) << e.path << ": " << why;
    EXPECT_EQ(wav->format, 1) << e.path;
    EXPECT_EQ(wav->bits, 16) << e.path;
    EXPECT_GT(wav->frames, 0u) << e.path;
    if (e.kind == Kind::Music) {
      EXPECT_EQ(wav->channels, 2) << e.path;
      EXPECT_EQ(wav->rate, 44100) << e.path;
    } else {
      EXPECT_EQ(wav->channels, 1) << e.path;
      EXPECT_GE(wav->rate, 8000) << e.path;
      EXPECT_LE(wav->rate, 48000) << e.path;
    }
  }
}

TEST_F(BuiltAssets, TheJingleAndTheSilenceHaveTheirLengths) {
  std::string why;
  auto jingle = assettest::ReadFile(kProgramDir / "Sfx/Menu/menu_once0.wav");
  ASSERT_TRUE(jingle);
  auto j = assettest::ParseWav(*jingle, why);
  ASSERT_TRUE(j) << why;
  const double seconds = static_cast<double>(j->frames) / j->rate;
  EXPECT_GE(seconds, 5);
  EXPECT_LE(seconds, 9);
  auto silence = assettest::ReadFile(kProgramDir / "Sfx/Silence.wav");
  ASSERT_TRUE(silence);
  auto s = assettest::ParseWav(*silence, why);
  ASSERT_TRUE(s) << why;
  EXPECT_LE(static_cast<double>(s->frames) / s->rate, 0.5);
  // Silence is silent: every sample of the data chunk is zero.
  const size_t dataBytes = s->frames * 2;
  EXPECT_TRUE(std::all_of(silence->end() - static_cast<long>(dataBytes), silence->end(),
                          [](std::uint8_t b) { return b == 0; }));
}

TEST_F(BuiltAssets, DataFilesAreCopiedByteForByte) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Data) continue;
    auto built = assettest::ReadFile(kProgramDir / e.path);
    auto source = assettest::ReadFile(kAssetsDir / e.source);
    ASSERT_TRUE(built) << e.path << " missing";
    ASSERT_TRUE(source) << e.source << " missing";
    EXPECT_EQ(*built, *source) << e.path;
  }
}

}  // namespace
