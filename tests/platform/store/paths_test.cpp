#include "platform/paths.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace {

using platform::ResolvePath;

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
  EXPECT_TRUE(std::filesystem::equivalent(platform::ExecutableFolder(), KIDPLAY_DIR));
}

class ResolvePathTest : public ::testing::Test {
 protected:
  void SetUp() override { tmp.Write("Gfx/Maze/mouseN.bmp", "x"); }
  TempFolder tmp;
};

TEST_F(ResolvePathTest, MatchesEachComponentIgnoringCaseWithEitherSeparator) {
  const auto want = tmp.path() / "Gfx/Maze/mouseN.bmp";
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\MAZE\\MouseN.BMP"), want);
  EXPECT_EQ(ResolvePath(tmp.path(), "GFX/maze/mousen.bmp"), want);
  EXPECT_EQ(ResolvePath(tmp.path(), "Gfx\\\\Maze//.\\mouseN.bmp"), want);
  EXPECT_EQ(ResolvePath(tmp.path(), ".\\Gfx\\Maze\\..\\maze\\mouseN.bmp"), want);
}

TEST_F(ResolvePathTest, ExactSpellingWinsOverOtherCaseVariants) {
  tmp.Write("Gfx/Maze/MouseN.bmp", "y");
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\maze\\MouseN.bmp"), tmp.path() / "Gfx/Maze/MouseN.bmp");
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\maze\\mouseN.bmp"), tmp.path() / "Gfx/Maze/mouseN.bmp");
  // Neither spelled exactly: the choice must not depend on directory order.
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\maze\\MOUSEN.bmp"), tmp.path() / "Gfx/Maze/MouseN.bmp");
}

TEST_F(ResolvePathTest, UnmatchedComponentAndTheRestAreKeptAsWritten) {
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\Missing\\GFX\\x.BMP"),
            tmp.path() / "Gfx/Missing/GFX/x.BMP");
  EXPECT_EQ(ResolvePath(tmp.path(), "gfx\\maze\\none.bmp"), tmp.path() / "Gfx/Maze/none.bmp");
}

TEST_F(ResolvePathTest, RefusesEmptyNamesAndClimbingAboveTheBase) {
  EXPECT_EQ(ResolvePath(tmp.path(), ""), std::nullopt);
  EXPECT_EQ(ResolvePath(tmp.path(), "..\\x.bmp"), std::nullopt);
  EXPECT_EQ(ResolvePath(tmp.path(), "Gfx\\..\\..\\x.bmp"), std::nullopt);
  EXPECT_EQ(ResolvePath(tmp.path(), "Gfx\\..\\gfx"), tmp.path() / "Gfx");
  EXPECT_EQ(ResolvePath(tmp.path(), "/etc/Passwd"), std::filesystem::path("/etc/Passwd"));
}

}  // namespace
