// Reading dot picture texts and files: keys, numbers, dot lists and the reset rule; damaged,
// hostile or missing files stop nothing, leave no picture folder and are not offered for play.
#include "games/dots/dot_picture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using dots::DotPicture;
using dots::ReadDotPicture;
using Dots = std::vector<std::pair<int, int>>;

Dots Pairs(const DotPicture& p) {
  Dots out;
  for (const GameUtil::Point& point : p.dots) out.emplace_back(point.X, point.Y);
  return out;
}

// Every field in one line, so that a whole state is checked at once.
std::string Summary(const DotPicture& p) {
  std::ostringstream out;
  out << p.pictureName << " at=" << p.offsetX << "," << p.offsetY << " image=" << p.imageFile
      << " mask=" << p.maskFile << " bg=" << p.backgroundFile << " size=" << p.pictureWidth << "x"
      << p.pictureHeight << " frames=" << p.animFrames << "*" << p.animTicks
      << (p.animLoop ? " loop" : " once") << " move=" << p.moveX << "," << p.moveY
      << " sound=" << p.animSound << " dots:";
  for (const auto& [x, y] : Pairs(p)) out << " " << x << "," << y;
  return out.str();
}

// A text read into a fresh state.
DotPicture Read(const std::string& text) {
  DotPicture p;
  ReadDotPicture(text, p);
  return p;
}

const char* const FishCrlf =
    "NAME=fish\r\nOFFSET_X=250\r\nOFFSET_Y=180.9\r\nIMAGE=fish.bmp\r\nMASK=fishMask.bmp\r\n"
    "WIDTH=300\r\nHEIGHT=200\r\nANIM_NROFFRAMES=6\r\nANIM_TICKSPERFRAME=120\r\nANIM_LOOP=1\r\n"
    "ANIM_BG=fishBg.bmp\r\nANIM_MOVE_X=80\r\nANIM_MOVE_Y=-5\r\nANIM_SOUND=fish.wav\r\n"
    "DOTS=3\r\n300,200\r\n500,260\r\n320,330\r\n";

TEST(DotPictureFormat, ReadsEveryKeyWhateverTheLineEnds) {
  DotPicture p;
  const dots::ReadResult result = ReadDotPicture(FishCrlf, p);
  EXPECT_TRUE(result.readable);
  EXPECT_TRUE(result.playable);
  const std::string fish =
      "fish at=250,180 image=fish.bmp mask=fishMask.bmp bg=fishBg.bmp size=300x200 frames=6*120 "
      "loop move=80,-5 sound=fish.wav dots: 300,200 500,260 320,330";
  EXPECT_EQ(Summary(p), fish);

  // The same text with LF, with CR, and without the last line end.
  std::string lf, cr;
  for (const char c : std::string(FishCrlf)) {
    if (c != '\r') lf += c;
    if (c != '\n') cr += c;
  }
  for (const std::string& text : {lf, cr, lf.substr(0, lf.size() - 1)}) {
    EXPECT_EQ(Summary(Read(text)), fish);
  }
}

// The numeric field a key sets.
double Field(const DotPicture& p, std::string_view key) {
  if (key == "OFFSET_X") return p.offsetX;
  if (key == "OFFSET_Y") return p.offsetY;
  if (key == "ANIM_MOVE_X") return p.moveX;
  if (key == "ANIM_MOVE_Y") return p.moveY;
  if (key == "WIDTH") return p.pictureWidth;
  if (key == "HEIGHT") return p.pictureHeight;
  if (key == "ANIM_TICKSPERFRAME") return p.animTicks;
  if (key == "ANIM_NROFFRAMES") return p.animFrames;
  if (key == "ANIM_LOOP") return p.animLoop;
  ADD_FAILURE() << "no field for " << key;
  return 0;
}

// Whole numbers drop their fraction downwards; a value that is no number leaves its field as it
// was (width 50, frame time 70 and looping on before; offsets 0 after the reset). Looping is on
// exactly when the number is 1; the frame count is always usable.
TEST(DotPictureFormat, NumbersOfEveryKey) {
  struct Case {
    const char* key;
    std::vector<std::string> values;
    std::vector<double> wants;
  };
  std::vector<Case> cases = {
      {"OFFSET_X", {"12.7", "-12.5"}, {12, -13}},
      {"OFFSET_Y", {"-0.1"}, {-1}},
      {"ANIM_MOVE_X", {"99.99"}, {99}},
      {"ANIM_MOVE_Y", {"-7.5"}, {-8}},
      {"WIDTH", {"64.9", " 40", "40px"}, {64, 40, 40}},
      {"ANIM_TICKSPERFRAME", {"1e2"}, {100}},
      {"ANIM_LOOP", {"1", "1.9", "2", "0", "-1", "0.99", "1e999"}, {1, 1, 0, 0, 0, 0, 1}},
      {"ANIM_NROFFRAMES", {"6", "0"}, {6, 1}}};
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      SCOPED_TRACE(std::string(c.key) + "=" + c.values[i]);
      DotPicture p = Read("WIDTH=50\nANIM_TICKSPERFRAME=70\nANIM_LOOP=1\n");
      const auto result =
          ReadDotPicture(std::string(c.key) + "=" + c.values[i] + "\nDOTS=1\n5,5", p);
      EXPECT_EQ(Field(p, c.key), c.wants[i]);
      EXPECT_TRUE(result.playable);
    }
  }
  // Values that are no number at all, for every numeric key at once.
  const DotPicture before = Read("WIDTH=50\nHEIGHT=60\nANIM_TICKSPERFRAME=70\nANIM_LOOP=1\n");
  for (const char* value : {"abc", "", "-", "+", ".", "e5", "x12", "inf", "nan", "\t"}) {
    std::string text;
    for (const char* key :
         {"OFFSET_X", "OFFSET_Y", "WIDTH", "HEIGHT", "ANIM_NROFFRAMES", "ANIM_TICKSPERFRAME",
          "ANIM_LOOP", "ANIM_MOVE_X", "ANIM_MOVE_Y", "DOTS"}) {
      text += key + "="s + value + "\n";
    }
    DotPicture p = before;
    ReadDotPicture(text + "1,2\n3,4\n", p);
    EXPECT_EQ(Summary(p), Summary(before)) << value;
  }
}

// Each number the game computes with has a generous range; a number beyond it leaves its field
// as it was and the picture cannot be played (it is passed over like any damaged file). Among
// the values are those of the files that once overflowed the game's frame and motion arithmetic
// (a width of 2^30 or -2^31 with an animation).
TEST(DotPictureFormat, NumbersBeyondTheirRangeMakeThePictureUnplayable) {
  struct Range {
    const char* key;
    double lo, hi;
  };
  using namespace dots::DotPictureLimits;
  const Range ranges[] = {{"WIDTH", 0, kMaxSide},
                          {"HEIGHT", 0, kMaxSide},
                          {"ANIM_NROFFRAMES", 0, kMaxFrames},
                          {"ANIM_TICKSPERFRAME", 0, kMaxFrameMs},
                          {"ANIM_MOVE_X", -kMaxSpeed, kMaxSpeed},
                          {"ANIM_MOVE_Y", -kMaxSpeed, kMaxSpeed},
                          {"OFFSET_X", -kMaxOffset, kMaxOffset},
                          {"OFFSET_Y", -kMaxOffset, kMaxOffset}};
  for (const Range& r : ranges) {
    for (const double value :
         {r.lo, r.hi, r.lo - 1, r.hi + 1, r.hi + 0.5, 1e300, -1e300, 1073741824.0, -2147483648.0}) {
      std::ostringstream text;
      text.precision(17);
      text << "ANIM_NROFFRAMES=4\nANIM_TICKSPERFRAME=100\nANIM_LOOP=1\n"
           << r.key << "=" << value << "\nDOTS=2\n1,1\n2,2\n";
      SCOPED_TRACE(text.str());
      const bool inside = std::floor(value) >= r.lo && std::floor(value) <= r.hi;
      DotPicture p;
      const auto result = ReadDotPicture(text.str(), p);
      EXPECT_TRUE(result.readable);
      EXPECT_EQ(result.playable, inside);
      EXPECT_EQ(result.outOfRange, !inside);
      // A frame count of 0 means a single picture: one frame.
      const bool frames = std::string(r.key) == "ANIM_NROFFRAMES";
      const double before = Field(Read("ANIM_NROFFRAMES=4\nANIM_TICKSPERFRAME=100\n"), r.key);
      EXPECT_EQ(Field(p, r.key),
                inside ? std::max(frames ? 1.0 : r.lo, std::floor(value)) : before);
    }
  }
  // Dot coordinates must fit 16 bits (after rounding halves to even).
  for (const char* dot : {"32767.5,0", "0,-32768.6", "40000,1", "5,-99999"}) {
    DotPicture p;
    EXPECT_FALSE(ReadDotPicture("DOTS=2\n1,1\n"s + dot + "\n", p).playable) << dot;
  }
  for (const char* dot : {"32767.4,0", "0,-32768.5", "-32768,32767"}) {
    DotPicture p;
    EXPECT_TRUE(ReadDotPicture("DOTS=2\n1,1\n"s + dot + "\n", p).playable) << dot;
  }
}

// Dot lists: rounding halves to even, unusable lines taking their place without a dot, blank
// lines passed over, a later list replacing an earlier one, a count that starts no list; and a
// picture needs one dot to be played.
TEST(DotPictureFormat, DotLists) {
  struct Case {
    std::string text;
    Dots dots;
    int width = 0;
  };
  std::vector<Case> cases = {
      {"DOTS=6\n10,20\n10.5,0\n11.5,0\n-0.5,-1.5\n 7 , 8\n3,4,5\n",
       {{10, 20}, {10, 0}, {12, 0}, {0, -2}, {7, 8}, {3, 4}}},
      {"DOTS=4\n1,2\njunk\n,5\n3,4\n5,6\n", {{1, 2}, {3, 4}}},
      {"\r\n\r\nDOTS=2\r\n\r\n1,2\n\n\n3,4\r\n\r\nWIDTH=9\r\n", {{1, 2}, {3, 4}}, 9},
      {"DOTS=3\n1,1\n2,2\n3,3\nNAME=x\nDOTS=2\n9,9\n8,8\n", {{9, 9}, {8, 8}}},
      {"DOTS=5\n1,1\n2,2", {{1, 1}, {2, 2}}},             // cut short by the end of the file
      {"DOTS=3\n1,1\nWIDTH=9\n2,2\n", {{1, 1}, {2, 2}}},  // a key-like line inside a list
      {"DOTS=2\n1,1\n2,2\nDOTS=2\nx\ny\n", {}},           // a list that gave no dot at all
      {"NAME=x\n", {}},
      {"DOTS=1\n5,5\n", {{5, 5}}}};
  for (const char* count : {"0", "-2", "0.5", "40000", "many"}) {
    cases.push_back(
        {"DOTS=2\n1,1\n2,2\nDOTS="s + count + "\n7,7\n8,8\nWIDTH=3\n", {{1, 1}, {2, 2}}, 3});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    DotPicture p;
    const dots::ReadResult result = ReadDotPicture(c.text, p);
    EXPECT_EQ(Pairs(p), c.dots);
    EXPECT_EQ(p.pictureWidth, c.width);
    EXPECT_TRUE(result.readable);
    EXPECT_EQ(result.playable, !c.dots.empty());
  }
}

TEST(DotPictureFormat, KeysAreTakenAsTheyStandAndSomeFieldsOutliveAReading) {
  DotPicture p;
  p.pictureWidth = 1;
  ReadDotPicture("WIDTH =5\n WIDTH=6\nwidth=7\nWidth=8\nNAME= fish \nNAME2=x\n", p);
  EXPECT_EQ(p.pictureWidth, 1);
  EXPECT_EQ(p.pictureName, " fish ");
  ReadDotPicture("WIDTH=5\nWIDTH=7\nNAME=a=b\n", p);
  EXPECT_EQ(p.pictureWidth, 7);  // the later line wins
  EXPECT_EQ(p.pictureName, "a=b");

  p = Read(
      "just words\n \n=\n=5\nUNKNOWN=3\n\xEF\xBB\xBFWIDTH=4\nNAME=ok\n1,2\nHEIGHT\n"
      "WID\0TH=6\n"s);
  EXPECT_EQ(Summary(p), Summary(Read("NAME=ok")));
  // A byte-order mark in front of the first key is not part of it.
  EXPECT_EQ(Read("\xEF\xBB\xBFWIDTH=4\n").pictureWidth, 4);

  // Each reading starts from the reset state, but width, height, frame time and looping stay.
  p = Read(FishCrlf);
  ReadDotPicture("NAME=car\nDOTS=2\n5,5\n6,6\n", p);
  EXPECT_EQ(Summary(p),
            "car at=0,0 image= mask= bg= size=300x200 frames=1*120 loop move=0,0 sound= dots: "
            "5,5 6,6");
  // A file without dots keeps the dots before it.
  ReadDotPicture("WIDTH=10\n", p);
  EXPECT_EQ(Summary(p),
            "car at=0,0 image= mask= bg= size=10x200 frames=1*120 loop move=0,0 sound= dots: "
            "5,5 6,6");
}

TEST(DotPictureFormat, FileNamesStayInsideTheirFolders) {
  // Image, mask, background and sound after each was set to a good name and then to NAME.
  const auto files = [](const std::string& name) {
    std::string text = "IMAGE=ok.bmp\nMASK=ok.bmp\nANIM_BG=ok.bmp\nANIM_SOUND=ok.wav\n";
    for (const char* key : {"IMAGE=", "MASK=", "ANIM_BG=", "ANIM_SOUND="}) {
      text += key + name + "\n";
    }
    const DotPicture p = Read(text);
    return std::vector<std::string>{p.imageFile, p.maskFile, p.backgroundFile, p.animSound};
  };
  for (const char* name : {"fish.bmp", "sub\\fish.bmp", "sub/fish.bmp", "...bmp", "a b.wav"}) {
    EXPECT_EQ(files(name), std::vector<std::string>(4, name));
  }
  for (const char* name : {"", "..\\menu.bmp", "../menu.bmp", "sub\\..\\..\\x.bmp", "..",
                           ".\\x.bmp", "\\abs.bmp", "/etc/passwd", "C:\\x.bmp", "c:x.bmp",
                           "sub\\\\x.bmp", "sub\\", "x\x01.bmp", "x.bmp:stream"}) {
    EXPECT_EQ(files(name), std::vector<std::string>(4, "")) << name;
  }
}

TEST(DotPictureFile, ReadsAFileAndRefusesWhatCannotBeRead) {
  const fs::path folder =
      fs::path(::testing::TempDir()) / ("dot_picture_files_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return folder / name;
  };
  // A state as a previous picture left it.
  const auto previous = [] {
    return Read(
        "NAME=old\nOFFSET_X=5\nWIDTH=80\nIMAGE=old.bmp\nANIM_NROFFRAMES=4\n"
        "ANIM_SOUND=old.wav\nANIM_MOVE_Y=3\nDOTS=2\n1,1\n2,2\n");
  };
  DotPicture p = previous();
  auto result = ReadDotPictureFile(write("fish.dot", "NAME=fish\r\nDOTS=2\r\n3,4\r\n5,6\r\n"), p);
  EXPECT_TRUE(result.readable);
  EXPECT_TRUE(result.playable);
  EXPECT_EQ(Summary(p),
            "fish at=0,0 image= mask= bg= size=80x0 frames=1*0 once move=0,0 sound= dots: 3,4 5,6");

  // Missing, a folder, a named pipe, too big, no name: the reset state, not readable, not
  // played.
  const fs::path big = write("big.dot", "NAME=big\n" + std::string(dots::MaxDotFileSize, '\n'));
  ASSERT_EQ(::mkfifo((folder / "pipe.dot").c_str(), 0600), 0);
  for (const fs::path& file :
       {folder / "missing.dot", folder, folder / "pipe.dot", big, fs::path()}) {
    SCOPED_TRACE(file.string());
    p = previous();
    result = ReadDotPictureFile(file, p);
    EXPECT_FALSE(result.readable);
    EXPECT_FALSE(result.playable);
    EXPECT_EQ(
        Summary(p),
        "old at=0,0 image= mask= bg= size=80x0 frames=1*0 once move=0,0 sound= dots: 1,1 2,2");
  }
  fs::remove_all(folder);
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
    EXPECT_TRUE(p.pictureWidth > 0 && p.pictureHeight > 0 && p.animTicks > 0) << Summary(p);
    // A child can tell the dots apart: 8 to 30 of them, none within two of the largest hit
    // radius (30) of another, all on the field and clear of the buttons in the corner.
    const auto dots = Pairs(p);
    EXPECT_TRUE(dots.size() >= 8 && dots.size() <= 30) << dots.size();
    for (std::size_t i = 0; i < dots.size(); ++i) {
      const auto [x, y] = dots[i];
      EXPECT_TRUE(x >= 0 && x <= 770 && y >= 0 && y <= 560) << x << "," << y;
      EXPECT_FALSE(x > 660 && y > 460) << x << "," << y;
      for (std::size_t j = i + 1; j < dots.size(); ++j) {
        EXPECT_GE(std::hypot(x - dots[j].first, y - dots[j].second), 60.0) << i << " " << j;
      }
    }
  }
  EXPECT_GE(count, 10);
}

}  // namespace
