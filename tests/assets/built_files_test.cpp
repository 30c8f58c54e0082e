// The files the build made, held against the manifest and read both with independent readers and
// with the program's own: every entry exists with its format and exact size, picture and mask
// agree, no two shown frames of a strip are alike, cursors carry their hot spot, and every sound
// is as loud as the others of its kind (a family never has to reach for the volume between
// games) and none clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "../../assets/forge/loudness.h"
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

// The pixels of frame `f` of a strip `width` pixels a frame, row by row.
std::vector<std::uint32_t> Frame(const platform::Surface& strip, int width, int f) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < strip.height(); ++y)
    out.insert(out.end(), strip.row(y) + f * width, strip.row(y) + (f + 1) * width);
  return out;
}

// Pictures are 24-bit BMPs of their size that the program reads; masks are black and white,
// with the picture black where the mask is white and something drawn in every frame; no two
// frames of a strip that the program shows are the same picture.
TEST_F(BuiltAssets, PicturesMasksAndFrames) {
  // The helicopter's rotor comes round again in its tenth frame, which the Scratch game never
  // shows (it plays the first nine).
  const std::set<std::pair<std::string, int>> neverShown = {{"Gfx/Scratch/Racing/Chopper.bmp", 9}};
  int pictures = 0, strips = 0;
  std::vector<Entry> all = entries_;  // with the pictures and sprites a scene entry makes
  for (const Entry& e : entries_) all.insert(all.end(), e.parts.begin(), e.parts.end());
  for (const Entry& e : all) {
    if (e.kind != Kind::Picture && e.kind != Kind::Sprite && e.kind != Kind::Strip) continue;
    SCOPED_TRACE(e.path + " (" + e.where + ")");
    for (const std::string& path : e.Outputs()) {
      const Bytes bytes = Built(path);
      EXPECT_TRUE(bytes.size() > 28 && bytes[28] == 24) << path << " is not 24 bits a pixel";
      auto surface = platform::LoadBmp((kProgramDir / path).string());
      ASSERT_TRUE(surface) << path << " is refused by the program";
      EXPECT_EQ(surface->width(), e.width * e.frames) << path;
      EXPECT_EQ(surface->height(), e.height) << path;
      ++pictures;
    }
    const auto picture = platform::LoadBmp((kProgramDir / e.path).string());
    ASSERT_TRUE(picture && picture->width() == e.width * e.frames);
    std::vector<std::vector<std::uint32_t>> frames;
    for (int f = 0; f < e.frames && e.frames > 1; ++f) {
      if (neverShown.count({e.path, f})) continue;
      frames.push_back(Frame(*picture, e.width, f));
      for (size_t g = 0; g + 1 < frames.size(); ++g)
        EXPECT_NE(frames[g], frames.back()) << "frame " << f << " repeats an earlier frame";
    }
    strips += e.frames > 1;
    if (e.kind == Kind::Picture) continue;

    const auto mask = platform::LoadBmp((kProgramDir / e.mask).string());
    ASSERT_TRUE(mask) << e.mask;
    ASSERT_TRUE(mask->width() == picture->width() && mask->height() == picture->height()) << e.mask;
    int grey = 0, leaks = 0;
    std::vector<int> opaquePerFrame(e.frames, 0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(mask->width()) * mask->height(); ++i) {
      const std::uint32_t m = mask->data()[i];
      grey += m != 0 && m != 0xFFFFFF;
      leaks += m == 0xFFFFFF && picture->data()[i] != 0;
      opaquePerFrame[i % mask->width() / e.width] += m == 0;
    }
    EXPECT_EQ(grey, 0) << e.mask << " has pixels that are neither black nor white";
    EXPECT_EQ(leaks, 0) << "not black where " << e.mask << " is white";
    for (int f = 0; f < e.frames; ++f) EXPECT_GT(opaquePerFrame[f], 0) << "frame " << f << " empty";
  }
  EXPECT_GT(pictures, 0);
  EXPECT_GT(strips, 40);
}

// Every PNG (the desktop icon) is an 8-bit RGBA PNG of its entry's size that an ordinary reader
// (SDL_image, through the program's own loader) reads at that size.
TEST_F(BuiltAssets, PngsAreRgbaOfTheirSize) {
  int pngs = 0;
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Png) continue;
    SCOPED_TRACE(e.path);
    const Bytes b = Built(e.path);
    ASSERT_GT(b.size(), 33u);
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature.begin(), signature.end(), b.begin()));
    auto be32 = [&](std::size_t at) {
      return static_cast<int>(b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]);
    };
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR");
    EXPECT_TRUE(be32(16) == e.width && be32(20) == e.height);
    EXPECT_TRUE(b[24] == 8 && b[25] == 6);  // 8 bits per channel; red, green, blue and alpha
    auto read = platform::LoadPng((kProgramDir / e.path).string());
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->width() == e.width && read->height() == e.height);
    ++pngs;
  }
  EXPECT_EQ(pngs, 3);  // the icon at 64, 128 and 256 pixels
}

// Cursors are 32-bit ".cur" files of their size that the program reads, with the hot spot of
// their entry on a visible part of the drawing.
TEST_F(BuiltAssets, CursorsCarryTheirSizeAndHotSpotOnTheDrawing) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Cursor) continue;
    SCOPED_TRACE(e.path);
    const Bytes bytes = Built(e.path);
    auto cur = platform::ParseCursor(bytes);
    ASSERT_TRUE(cur) << "refused by the program";
    EXPECT_TRUE(cur->width == e.width && cur->height == e.height);
    EXPECT_TRUE(cur->hotX == e.hotX && cur->hotY == e.hotY);
    EXPECT_EQ(assettest::U16(bytes, assettest::U32(bytes, 18) + 14), 32u) << "not 32 bits a pixel";
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

// Sounds are 16-bit PCM with samples, none at full scale (a clipped sample). Short effects (a
// click, a pop, a cry) sit a little above everything longer (music, jingles, scene sounds, the
// train's run), since the ear hears a short sound as softer than a long one of the same level;
// loudness in dB as the forge measures it (loudness.h). The jingle lasts 5 to 9 s, the silence
// at most half a second and is silent.
TEST_F(BuiltAssets, SoundsArePcmInTheirLoudnessBandAndNoneClips) {
  int checked = 0;
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Sound && e.kind != Kind::Music) continue;
    SCOPED_TRACE(e.path);
    const Bytes bytes = Built(e.path);
    std::string why;
    auto wav = assettest::ParseWav(bytes, why);
    ASSERT_TRUE(wav) << why;
    ASSERT_TRUE(wav->format == 1 && wav->bits == 16 && wav->frames > 0);
    if (e.kind == Kind::Music) {
      EXPECT_TRUE(wav->channels == 2 && wav->rate == 44100);
    } else {
      EXPECT_TRUE(wav->channels == 1 && wav->rate >= 8000 && wav->rate <= 48000);
    }
    const std::vector<std::int16_t> samples = assettest::Samples16(bytes, *wav);
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_TRUE(*low > -32767 && *high < 32767) << "clips: " << *low << ".." << *high;

    const double seconds = static_cast<double>(wav->frames) / wav->rate;
    const double loudness = forge::Loudness(samples, wav->channels, wav->rate);
    if (e.path == "Sfx/Silence.wav") {
      EXPECT_LE(seconds, 0.5);
      EXPECT_TRUE(*low == 0 && *high == 0);
      continue;
    }
    if (e.path == "Sfx/Menu/menu_once0.wav") {
      EXPECT_TRUE(seconds >= 5 && seconds <= 9) << seconds;
    }
    const bool effect = seconds < 1.0;
    const double lowest = effect ? -19.5 : -22.5, highest = lowest + 3;
    EXPECT_TRUE(loudness >= lowest && loudness <= highest)
        << "a " << (effect ? "short effect" : "music or scene sound") << " of " << seconds
        << " s at " << loudness << " dB, outside " << lowest << ".." << highest;
    ++checked;
  }
  EXPECT_GT(checked, 80);
}

// Data files (dot pictures) reach the program folder unchanged.
TEST_F(BuiltAssets, DataFilesAreCopiedByteForByte) {
  for (const Entry& e : entries_) {
    if (e.kind != Kind::Data) continue;
    auto source = assettest::ReadFile(kAssetsDir / e.source);
    ASSERT_TRUE(source) << e.source << " missing";
    EXPECT_EQ(Built(e.path), *source) << e.path;
  }
}

}  // namespace
