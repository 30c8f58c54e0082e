// Damaged, hostile or missing dot picture files: nothing stops the game, nothing leaves the
// picture folders, and a picture without enough dots is not offered for play.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dot_checks.h"
#include "games/dots/dot_picture.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using dots::DotPicture;
using dots::ReadDotPicture;

using dots_test::Dots;
using dots_test::Pairs;
using dots_test::Read;

TEST(DotPictureSafety, NumbersThatAreNotNumbersChangeNothing) {
  DotPicture p;
  p.pictureWidth = 50;
  for (const char* value : {"abc", "", "-", "+", ".", "e5", "x12", "inf", "nan", "\t"}) {
    ReadDotPicture(std::string("WIDTH=") + value + "\nOFFSET_X=" + value, p);
    EXPECT_EQ(p.pictureWidth, 50) << value;
    EXPECT_EQ(p.offsetX, 0) << value;
  }
}

TEST(DotPictureSafety, NumbersBeyondTheirRangeAreRefused) {
  DotPicture p;
  p.pictureWidth = 50;
  p.animTicks = 70;
  ReadDotPicture("WIDTH=2147483648\nANIM_TICKSPERFRAME=-2147483649\nOFFSET_X=1e300\n", p);
  EXPECT_EQ(p.pictureWidth, 50);
  EXPECT_EQ(p.animTicks, 70);
  EXPECT_EQ(p.offsetX, 0);
  ReadDotPicture("WIDTH=2147483647.5\nANIM_TICKSPERFRAME=-2147483648\nANIM_LOOP=1e999\n", p);
  EXPECT_EQ(p.pictureWidth, 2147483647);
  EXPECT_EQ(p.animTicks, -2147483648LL);
  EXPECT_FALSE(p.animLoop);

  // Dots must fit in 16 bits after rounding; the others of the list still count.
  const DotPicture dotsRead = Read("DOTS=5\n40000,1\n32767.5,0\n32767.4,1\n-32768.5,2\n5,-99999\n");
  EXPECT_EQ(Pairs(dotsRead), (Dots{{32767, 1}, {-32768, 2}}));
}

TEST(DotPictureSafety, UnusableDotLinesGiveNoDot) {
  // A line without a comma or with a part that is no number takes its place but gives no dot.
  const DotPicture p = Read("DOTS=4\n1,2\njunk\n,5\n3,4\n5,6\n");
  EXPECT_EQ(Pairs(p), (Dots{{1, 2}, {3, 4}}));
}

TEST(DotPictureSafety, ListsThatAreTooShortOrEmptyOrOversized) {
  // Cut short by the end of the file: the dots that came are used.
  EXPECT_EQ(Pairs(Read("DOTS=5\n1,1\n2,2")), (Dots{{1, 1}, {2, 2}}));
  // Lines inside a promised list are dot lines, even when they look like keys.
  const DotPicture inList = Read("DOTS=3\n1,1\nWIDTH=9\n2,2\n");
  EXPECT_EQ(inList.pictureWidth, 0);
  EXPECT_EQ(Pairs(inList), (Dots{{1, 1}, {2, 2}}));

  // A count below 1, beyond 16 bits or no number at all starts no list: the dots stay.
  for (const char* count : {"0", "-2", "0.5", "40000", "many"}) {
    DotPicture p;
    ReadDotPicture("DOTS=2\n1,1\n2,2\n", p);
    ReadDotPicture(std::string("DOTS=") + count + "\n7,7\n8,8\nWIDTH=3\n", p);
    EXPECT_EQ(Pairs(p), (Dots{{1, 1}, {2, 2}})) << count;
    EXPECT_EQ(p.pictureWidth, 3) << count;
  }

  // A list that gave no dot at all leaves nothing to play.
  DotPicture p = Read("DOTS=2\n1,1\n2,2\n");
  const dots::ReadResult result = ReadDotPicture("DOTS=2\nx\ny\n", p);
  EXPECT_TRUE(p.dots.empty());
  EXPECT_TRUE(result.readable);
  EXPECT_FALSE(result.playable);
}

TEST(DotPictureSafety, OtherLinesWithoutMeaningArePassedOver) {
  const DotPicture p = Read(
      "just words\n \n=\n=5\nUNKNOWN=3\n\xEF\xBB\xBFWIDTH=4\nNAME=ok\n1,2\nHEIGHT\n"
      "WID\0TH=6\n"s);
  EXPECT_EQ(p.pictureName, "ok");
  EXPECT_EQ(p.pictureWidth, 0);
  EXPECT_EQ(p.pictureHeight, 0);
  EXPECT_TRUE(p.dots.empty());
  // A byte-order mark in front of the first key is not part of it.
  EXPECT_EQ(Read("\xEF\xBB\xBFWIDTH=4\n").pictureWidth, 4);
}

TEST(DotPictureSafety, FileNamesStayInsideTheirFolders) {
  for (const char* name : {"fish.bmp", "sub\\fish.bmp", "sub/fish.bmp", "...bmp", "a b.wav"}) {
    const DotPicture p = Read(std::string("IMAGE=") + name + "\nANIM_SOUND=" + name);
    EXPECT_EQ(p.imageFile, name);
    EXPECT_EQ(p.animSound, name);
  }
  for (const char* name : {"", "..\\menu.bmp", "../menu.bmp", "sub\\..\\..\\x.bmp", "..",
                           ".\\x.bmp", "\\abs.bmp", "/etc/passwd", "C:\\x.bmp", "c:x.bmp",
                           "sub\\\\x.bmp", "sub\\", "x\x01.bmp", "x.bmp:stream"}) {
    DotPicture p;
    ReadDotPicture(std::string("IMAGE=ok.bmp\nMASK=ok.bmp\nANIM_BG=ok.bmp\nANIM_SOUND=ok.wav\n") +
                       "IMAGE=" + name + "\nMASK=" + name + "\nANIM_BG=" + name +
                       "\nANIM_SOUND=" + name + "\n",
                   p);
    EXPECT_EQ(p.imageFile, "") << name;
    EXPECT_EQ(p.maskFile, "") << name;
    EXPECT_EQ(p.backgroundFile, "") << name;
    EXPECT_EQ(p.animSound, "") << name;
  }
}

TEST(DotPictureSafety, APictureNeedsTwoDotsToBePlayed) {
  auto playable = [](const char* text) {
    DotPicture fresh;
    return ReadDotPicture(text, fresh).playable;
  };
  EXPECT_FALSE(playable("NAME=x\n"));
  EXPECT_FALSE(playable("DOTS=1\n5,5\n"));
  EXPECT_TRUE(playable("DOTS=2\n5,5\n9,9\n"));
}

class DotPictureFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) /
              ("dot_picture_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  // A state as a previous picture left it.
  static DotPicture Previous() {
    DotPicture p;
    ReadDotPicture(
        "NAME=old\nOFFSET_X=5\nWIDTH=80\nIMAGE=old.bmp\nANIM_NROFFRAMES=4\n"
        "ANIM_SOUND=old.wav\nANIM_MOVE_Y=3\nDOTS=2\n1,1\n2,2\n",
        p);
    return p;
  }
  fs::path folder_;
};

TEST_F(DotPictureFile, ReadsAFile) {
  DotPicture p = Previous();
  const auto result =
      ReadDotPictureFile(Write("fish.dot", "NAME=fish\r\nDOTS=2\r\n3,4\r\n5,6\r\n"), p);
  EXPECT_TRUE(result.readable);
  EXPECT_TRUE(result.playable);
  EXPECT_EQ(p.pictureName, "fish");
  EXPECT_EQ(p.pictureWidth, 80);
  EXPECT_EQ(Pairs(p), (Dots{{3, 4}, {5, 6}}));
}

TEST_F(DotPictureFile, WhatCannotBeReadLeavesTheResetStateAndIsNotPlayed) {
  const fs::path big = Write("big.dot", "NAME=big\n" + std::string(dots::MaxDotFileSize, '\n'));
  for (const fs::path& file : {folder_ / "missing.dot", folder_, big, fs::path()}) {
    DotPicture p = Previous();
    const auto result = ReadDotPictureFile(file, p);
    EXPECT_FALSE(result.readable) << file;
    EXPECT_FALSE(result.playable) << file;
    EXPECT_EQ(p.offsetX, 0);
    EXPECT_EQ(p.moveY, 0);
    EXPECT_EQ(p.imageFile, "");
    EXPECT_EQ(p.animSound, "");
    EXPECT_EQ(p.animFrames, 1);
    EXPECT_EQ(p.pictureName, "old");
    EXPECT_EQ(p.pictureWidth, 80);
  }
}

// Every dot picture the game ships is read whole and can be played.
TEST(ShippedDotPictures, AreReadableAndPlayable) {
  const fs::path folder = fs::path(KIDPLAY_SOURCE_DIR) / "assets" / "dots";
  int count = 0;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() != ".dot") continue;
    ++count;
    SCOPED_TRACE(entry.path().string());
    DotPicture p;
    const auto result = dots::ReadDotPictureFile(entry.path(), p);
    EXPECT_TRUE(result.readable);
    EXPECT_TRUE(result.playable);
    EXPECT_FALSE(p.imageFile.empty());
    EXPECT_FALSE(p.maskFile.empty());
    EXPECT_GT(p.pictureWidth, 0);
    EXPECT_GT(p.pictureHeight, 0);
    EXPECT_GT(p.animTicks, 0);
    for (const GameUtil::Point& dot : p.dots) {
      EXPECT_TRUE(dot.X >= 0 && dot.X < 800 && dot.Y >= 0 && dot.Y < 600) << dot.X << "," << dot.Y;
    }
  }
  if (count == 0) GTEST_SKIP() << "no dot pictures in " << folder;
}

}  // namespace
