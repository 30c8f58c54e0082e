// Reading well-formed dot picture texts: keys, numbers, dot lists and the reset rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dot_checks.h"
#include "games/dots/dot_picture.h"

namespace {

using dots::DotPicture;
using dots::ReadDotPicture;

using dots_test::Dots;
using dots_test::Pairs;
using dots_test::Read;

const char* const FishCrlf =
    "NAME=fish\r\nOFFSET_X=250\r\nOFFSET_Y=180.9\r\nIMAGE=fish.bmp\r\nMASK=fishMask.bmp\r\n"
    "WIDTH=300\r\nHEIGHT=200\r\nANIM_NROFFRAMES=6\r\nANIM_TICKSPERFRAME=120\r\nANIM_LOOP=1\r\n"
    "ANIM_BG=fishBg.bmp\r\nANIM_MOVE_X=80\r\nANIM_MOVE_Y=-5\r\nANIM_SOUND=fish.wav\r\n"
    "DOTS=3\r\n300,200\r\n500,260\r\n320,330\r\n";

TEST(DotPictureFormat, ReadsEveryKey) {
  DotPicture p;
  const dots::ReadResult result = ReadDotPicture(FishCrlf, p);
  EXPECT_TRUE(result.readable);
  EXPECT_TRUE(result.playable);
  EXPECT_EQ(p.pictureName, "fish");
  EXPECT_EQ(p.offsetX, 250);
  EXPECT_EQ(p.offsetY, 180);
  EXPECT_EQ(p.imageFile, "fish.bmp");
  EXPECT_EQ(p.maskFile, "fishMask.bmp");
  EXPECT_EQ(p.backgroundFile, "fishBg.bmp");
  EXPECT_EQ(p.pictureWidth, 300);
  EXPECT_EQ(p.pictureHeight, 200);
  EXPECT_EQ(p.animFrames, 6);
  EXPECT_EQ(p.animTicks, 120);
  EXPECT_TRUE(p.animLoop);
  EXPECT_EQ(p.moveX, 80);
  EXPECT_EQ(p.moveY, -5);
  EXPECT_EQ(p.animSound, "fish.wav");
  EXPECT_EQ(Pairs(p), (Dots{{300, 200}, {500, 260}, {320, 330}}));
}

TEST(DotPictureFormat, LineEndsDoNotMatter) {
  const DotPicture crlf = Read(FishCrlf);
  std::string lf, cr;
  for (const char c : std::string(FishCrlf)) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  for (const std::string& text : {lf, cr, lf.substr(0, lf.size() - 1)}) {
    const DotPicture other = Read(text);
    EXPECT_EQ(other.pictureName, crlf.pictureName);
    EXPECT_EQ(other.animSound, crlf.animSound);
    EXPECT_EQ(other.animLoop, crlf.animLoop);
    EXPECT_EQ(Pairs(other), Pairs(crlf));
  }
  // Blank lines, also between the dots, are passed over and not counted as dots.
  const DotPicture blank = Read("\r\n\r\nDOTS=2\r\n\r\n1,2\n\n\n3,4\r\n\r\nWIDTH=9\r\n");
  EXPECT_EQ(Pairs(blank), (Dots{{1, 2}, {3, 4}}));
  EXPECT_EQ(blank.pictureWidth, 9);
}

TEST(DotPictureFormat, NumbersDropTheirFractionDownwards) {
  EXPECT_EQ(Read("OFFSET_X=12.7").offsetX, 12);
  EXPECT_EQ(Read("OFFSET_X=-12.5").offsetX, -13);
  EXPECT_EQ(Read("OFFSET_Y=-0.1").offsetY, -1);
  EXPECT_EQ(Read("ANIM_MOVE_X=99.99").moveX, 99);
  EXPECT_EQ(Read("ANIM_MOVE_Y=-7.5").moveY, -8);
  EXPECT_EQ(Read("WIDTH=64.9").pictureWidth, 64);
  EXPECT_EQ(Read("ANIM_TICKSPERFRAME=1e2").animTicks, 100);
  EXPECT_EQ(Read("HEIGHT= 40").pictureHeight, 40);
  EXPECT_EQ(Read("HEIGHT=40px").pictureHeight, 40);  // trailing text ignored
}

TEST(DotPictureFormat, LoopsExactlyWhenTheNumberIsOne) {
  EXPECT_TRUE(Read("ANIM_LOOP=1").animLoop);
  EXPECT_TRUE(Read("ANIM_LOOP=1.9").animLoop);
  EXPECT_FALSE(Read("ANIM_LOOP=2").animLoop);
  EXPECT_FALSE(Read("ANIM_LOOP=0").animLoop);
  EXPECT_FALSE(Read("ANIM_LOOP=-1").animLoop);
  EXPECT_FALSE(Read("ANIM_LOOP=0.99").animLoop);
}

TEST(DotPictureFormat, DotsRoundHalvesToEven) {
  const DotPicture p = Read("DOTS=6\n10,20\n10.5,0\n11.5,0\n-0.5,-1.5\n 7 , 8\n3,4,5\n");
  EXPECT_EQ(Pairs(p), (Dots{{10, 20}, {10, 0}, {12, 0}, {0, -2}, {7, 8}, {3, 4}}));
}

TEST(DotPictureFormat, KeysAreTakenAsTheyStand) {
  DotPicture p;
  p.pictureWidth = 1;
  ReadDotPicture("WIDTH =5\n WIDTH=6\nwidth=7\nWidth=8\nNAME= fish \nNAME2=x\n", p);
  EXPECT_EQ(p.pictureWidth, 1);
  EXPECT_EQ(p.pictureName, " fish ");
  ReadDotPicture("WIDTH=5\nWIDTH=7\nNAME=a=b\n", p);
  EXPECT_EQ(p.pictureWidth, 7);  // the later line wins
  EXPECT_EQ(p.pictureName, "a=b");
}

TEST(DotPictureFormat, ASecondListReplacesTheFirst) {
  const DotPicture p = Read("DOTS=3\n1,1\n2,2\n3,3\nNAME=x\nDOTS=2\n9,9\n8,8\n");
  EXPECT_EQ(Pairs(p), (Dots{{9, 9}, {8, 8}}));
  EXPECT_EQ(p.pictureName, "x");
}

TEST(DotPictureFormat, ReadingResetsSomeFieldsAndKeepsOthers) {
  DotPicture p = Read(FishCrlf);
  ReadDotPicture("NAME=car\nDOTS=2\n5,5\n6,6\n", p);
  // Reset before reading.
  EXPECT_EQ(p.offsetX, 0);
  EXPECT_EQ(p.offsetY, 0);
  EXPECT_EQ(p.moveX, 0);
  EXPECT_EQ(p.moveY, 0);
  EXPECT_EQ(p.animFrames, 1);  // reset to 0, then made usable
  EXPECT_EQ(p.animSound, "");
  EXPECT_EQ(p.imageFile, "");
  EXPECT_EQ(p.maskFile, "");
  EXPECT_EQ(p.backgroundFile, "");
  // Kept from the picture before.
  EXPECT_EQ(p.pictureName, "car");
  EXPECT_EQ(p.pictureWidth, 300);
  EXPECT_EQ(p.pictureHeight, 200);
  EXPECT_EQ(p.animTicks, 120);
  EXPECT_TRUE(p.animLoop);

  // A file without dots keeps the dots before it.
  ReadDotPicture("WIDTH=10\n", p);
  EXPECT_EQ(Pairs(p), (Dots{{5, 5}, {6, 6}}));
  EXPECT_EQ(p.pictureName, "car");
}

TEST(DotPictureFormat, FrameCountIsAlwaysUsable) {
  EXPECT_EQ(Read("ANIM_NROFFRAMES=6").animFrames, 6);
  EXPECT_EQ(Read("ANIM_LOOP=1\nANIM_NROFFRAMES=0").animFrames, 1);
  EXPECT_EQ(Read("ANIM_NROFFRAMES=-4").animFrames, 1);
  EXPECT_EQ(Read("ANIM_LOOP=1").animFrames, 1);
}

TEST(DotPictureFormat, ProgramPathsOfAScenario) {
  EXPECT_EQ(dots::DotFilePath("fish"), "Data\\Dots\\fish.dot");
  EXPECT_EQ(dots::IconPath("fish"), "Gfx\\Dots\\fishIcon.bmp");
  EXPECT_EQ(dots::PicturePath("fishMask.bmp"), "Gfx\\Dots\\fishMask.bmp");
  EXPECT_EQ(dots::SoundPath("fish.wav"), "Sfx\\Dots\\fish.wav");
}

}  // namespace
