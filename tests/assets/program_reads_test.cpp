// The program's own readers take every picture and cursor the build made.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "../../assets/forge/manifest.h"
#include "built_file_readers.h"
#include "platform/cursor.h"
#include "platform/image_file.h"

namespace {

namespace fs = std::filesystem;

bool ForgeRanHere() {
  std::ifstream cache(fs::path(KIDPLAY_DIR) / "CMakeCache.txt");
  std::stringstream text;
  text << cache.rdbuf();
  return text.str().find("KIDPLAY_ASSETS:BOOL=OFF") == std::string::npos;
}

TEST(ProgramReads, EveryPictureMaskAndCursor) {
  if (!ForgeRanHere()) GTEST_SKIP() << "this build folder does not run the forge";
  int pictures = 0;
  for (const forge::Entry& e : forge::ReadManifestFile(fs::path(KIDPLAY_SOURCE_DIR) / "assets")) {
    if (e.kind == forge::Kind::Cursor) {
      auto bytes = assettest::ReadFile(fs::path(KIDPLAY_DIR) / e.path);
      ASSERT_TRUE(bytes) << e.path;
      auto cursor = platform::ParseCursor(*bytes);
      ASSERT_TRUE(cursor) << e.path;
      EXPECT_EQ(cursor->width, e.width) << e.path;
      EXPECT_EQ(cursor->hotX, e.hotX) << e.path;
      EXPECT_EQ(cursor->hotY, e.hotY) << e.path;
      continue;
    }
    if (e.kind != forge::Kind::Picture && e.kind != forge::Kind::Sprite &&
        e.kind != forge::Kind::Strip) {
      continue;
    }
    for (const std::string& path : e.Outputs()) {
      auto surface = platform::LoadBmp((fs::path(KIDPLAY_DIR) / path).string());
      ASSERT_TRUE(surface) << path;
      EXPECT_EQ(surface->width(), e.width * e.frames) << path;
      EXPECT_EQ(surface->height(), e.height) << path;
      ++pictures;
    }
  }
  EXPECT_GT(pictures, 0);
}

}  // namespace
