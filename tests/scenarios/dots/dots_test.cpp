// The Dots game played through replay scripts, with the dots read from the built dot files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

const std::string kOpenDots = "wait 600\nclick 150 325\nwait 100\n";  // shown at 10600
const std::string kHit = "sound 1 1 Sfx\\Dots\\rubduck3.wav";
const std::string kMiss = "sound 1 1 Sfx\\Dots\\rubduck1.wav";

std::vector<std::pair<int, int>> DotsOf(const std::string& name) {
  std::ifstream in(std::filesystem::path(KIDPLAY_DIR) / "Data" / "Dots" / (name + ".dot"));
  std::vector<std::pair<int, int>> dots;
  int count = -1;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (count < 0 && line.rfind("DOTS=", 0) == 0) {
      count = std::stoi(line.substr(5));
    } else if (count > 0) {
      const auto comma = line.find(',');
      dots.emplace_back(std::stoi(line.substr(0, comma)), std::stoi(line.substr(comma + 1)));
      --count;
    }
  }
  EXPECT_GE(dots.size(), 8u) << name;
  return dots;
}

std::string Press(int x, int y) {
  return "move " + std::to_string(x) + " " + std::to_string(y) + "\ndown\nup\nwait 20\n";
}

std::string Spaces(std::size_t n) {
  std::string s;
  for (std::size_t i = 0; i < n; ++i) s += "key Space\nwait 20\n";
  return s;
}

long TimeOfFirst(const Result& r, const std::string& line, long after = 0) {
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i] == line && TimeOf(r.timed[i]) >= after) return TimeOf(r.timed[i]);
  }
  return -1;
}

// Milliseconds from the picture's looping sound (its completion) to the next picture, which
// stops all sounds; -1 when either is missing.
long CompletionTime(const Result& r, const std::string& picture) {
  const long done = TimeOfFirst(r, "sound 9 1 Sfx\\Dots\\" + picture + ".wav");
  if (done < 0) return -1;
  const long next = TimeOfFirst(r, "sound 1 1 Sfx\\Silence.wav", done);
  return next < 0 ? -1 : next - done;
}

TEST(Dots, AWholePictureConnectedWithTheMouseComesAlive) {
  Scenario s;
  const auto dots = DotsOf("fish");
  std::string script = kOpenDots + Press(dots[0].first, dots[0].second);
  for (std::size_t i = 1; i <= dots.size(); ++i) {
    const auto& d = dots[i % dots.size()];
    script += Press(d.first, d.second);
  }
  const Result r = s.Run(script + "wait 500\nshot done.png\nwait 10\n");
  // Every dot but the closing one squeaks; completing plays the picture's own loop instead.
  EXPECT_EQ(Count(r.trace, kHit), static_cast<int>(dots.size()) - 1);
  EXPECT_EQ(Count(r.trace, kMiss), 0);
  EXPECT_TRUE(Contains(r.trace, "sound 9 1 Sfx\\Dots\\fish.wav"));
  // The finished picture shows its background where the dots were.
  const auto background = Picture("Gfx/Dots/fishBg.bmp");
  EXPECT_TRUE(SameRegion(s.Shot("done.png"), background, 0, 0, 100, 100));
}

TEST(Dots, SpaceConnectsOneDotPerPressAndAMovingPictureLeavesThenTheNextComes) {
  Scenario s;
  const auto dots = DotsOf("fish");
  const Result r = s.Run(kOpenDots + "keydown Space\nkeydown Space\nkeyup Space\nwait 20\n" +
                         Spaces(dots.size() - 1) + "wait 9000\n");
  EXPECT_EQ(Count(r.trace, kHit), static_cast<int>(dots.size()) - 1);
  // The fish swims right from x = 125 at 130 px/s: off the field after about 5.2 s, then 3 s.
  const long time = CompletionTime(r, "fish");
  EXPECT_GE(time, 5193 + 3001);
  EXPECT_LE(time, 5193 + 3001 + 30);
}

TEST(Dots, AStillPictureStaysSevenSecondsAndThreeMore) {
  Scenario s;
  const auto dots = DotsOf("house");  // the next picture after the fish
  const Result r = s.Run(kOpenDots + "key Right\nwait 20\n" + Spaces(dots.size()) + "wait 11000\n");
  const long time = CompletionTime(r, "house");
  EXPECT_GE(time, 7001 + 3001);
  EXPECT_LE(time, 7001 + 3001 + 30);
}

TEST(Dots, AWrongDotDropsTheLineAndTheHitDistanceIsStrict) {
  Scenario s;
  const auto d = DotsOf("fish");
  const Result r =
      s.Run(kOpenDots + Press(d[0].first + 20, d[0].second) +  // exactly 20 away: no line
            Press(d[1].first, d[1].second) +                   // so nothing connects
            Press(d[0].first + 19, d[0].second) +              // 19 away: the line starts
            Press(d[2].first, d[2].second) +                   // not the next dot: dropped
            Press(d[1].first, d[1].second) +                   // no line any more
            Press(d[0].first, d[0].second) + Press(d[1].first, d[1].second) + "wait 10\n");
  EXPECT_EQ(Count(r.trace, kMiss), 1);
  EXPECT_EQ(Count(r.trace, kHit), 1);
  EXPECT_LT(TimeOfFirst(r, kMiss), TimeOfFirst(r, kHit));
}

TEST(Dots, StopDuringTheCompletionEndsTheGame) {
  Scenario s;
  const auto dots = DotsOf("fish");
  const Result r = s.Run(kOpenDots + Spaces(dots.size()) + "wait 1000\nclick 700 560\nwait 500\n");
  const long clicked = 10600 + 100 + 20 * static_cast<long>(dots.size()) + 1000;
  const long unloaded = TimeOfFirst(r, "unload DotsForm");
  EXPECT_GE(unloaded, clicked);
  EXPECT_LE(unloaded, clicked + 20);
  EXPECT_TRUE(Contains(r.trace, "show MenuForm"));
}

TEST(Dots, TheOptionsChangeTheDistanceAndThePicture) {
  Scenario s;
  const auto house = DotsOf("house");
  // Dialog at (180, 130): far distance, one picture on, OK.
  const Result r = s.Run(kOpenDots +
                         "key F1\nwait 50\nclick 528 215\nwait 20\n"
                         "click 520 340\nwait 20\nclick 335 430\nwait 50\n" +
                         Press(house[0].first + 29, house[0].second) +
                         Press(house[1].first, house[1].second) + "key Escape\nwait 50\n");
  EXPECT_TRUE(Contains(r.trace, "show DotsOptions"));
  EXPECT_TRUE(Contains(r.trace, "setting Dots GridSize 30"));
  EXPECT_EQ(Count(r.trace, kHit), 1);  // 29 pixels now reach the house's first dot

  // The stored distance comes back at the next launch, and cancel changes nothing.
  const Result again =
      s.Run(kOpenDots +
                "key F1\nwait 50\nclick 272 215\nwait 20\n"
                "click 465 430\nwait 50\n" +
                Press(DotsOf("fish")[0].first + 29, DotsOf("fish")[0].second) +
                Press(DotsOf("fish")[1].first, DotsOf("fish")[1].second) + "wait 10\n",
            0, {}, "again");
  EXPECT_FALSE(Contains(again.trace, "setting Dots GridSize 10"));
  EXPECT_EQ(Count(again.trace, kHit), 1);
}

// The stored hit radius is used as it is, from 5 to 60 pixels; anything else gives 20. Only
// the options dialog maps it to the nearest of its three buttons.
TEST(Dots, TheStoredDistanceIsTheHitRadiusAndTheDialogShowsTheNearestButton) {
  const auto fish = DotsOf("fish");
  const auto [x0, y0] = fish[0];
  const auto [x1, y1] = fish[1];
  struct Case {
    const char* stored;
    int radius;
    int button;  // selected in the dialog: 0, 1, 2
  };
  const Case cases[] = {{"27", 27, 2}, {"5", 5, 0},   {"60", 60, 2},  {"14", 14, 0},
                        {"4", 20, 1},  {"61", 20, 1}, {"-30", 20, 1}, {"abc", 20, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    Scenario s;
    std::filesystem::create_directories(s.dir() / "config" / "Kidplay");
    std::ofstream(s.dir() / "config" / "Kidplay" / "settings.ini")
        << "[Dots]\nGridSize=" << c.stored << "\n";
    // Exactly the radius away starts no line; one pixel nearer does, and the next dot joins.
    const int side = x0 + c.radius < 790 ? 1 : -1;
    const Result r = s.Run(kOpenDots + Press(x0 + side * c.radius, y0) + Press(x1, y1) +
                           Press(x0 + side * (c.radius - 1), y0) + Press(x1, y1) +
                           "key F1\nwait 50\nshot dialog.png\nkey Escape\nwait 20\n");
    EXPECT_EQ(Count(r.trace, kHit), 1);
    EXPECT_EQ(Count(r.trace, kMiss), 0);
    // The selected button (at 224, 352 or 480 on the screen) wears the selection ring.
    const auto dialog = s.Shot("dialog.png");
    for (int button = 0; button < 3; ++button) {
      EXPECT_EQ(platform::GetPixel(dialog, 221 + 128 * button, 215) == platform::Rgb(255, 150, 0),
                button == c.button)
          << button;
    }
  }
}

TEST(Dots, ADamagedDotFileIsPassedOverAndTheGameStaysPlayable) {
  Scenario s;
  const auto program = s.ProgramWithout("Data/Dots/fish.dot");
  // A size that once overflowed the frame arithmetic, a name that leaves the picture folder,
  // a list cut short, binary junk.
  std::ofstream(program.parent_path() / "Data" / "Dots" / "fish.dot", std::ios::binary)
      << "NAME=fish\r\nIMAGE=..\\..\\..\\etc\\passwd\r\nWIDTH=1073741824\r\n"
         "ANIM_NROFFRAMES=4\r\nANIM_TICKSPERFRAME=10\r\nDOTS=40\r\n1,2\r\nno comma\r\n"
         "ANIM_LOOP=1\r\n\x01\x02\xff\r\n";
  const auto house = DotsOf("house");
  const Result r =
      s.Run(kOpenDots + Spaces(house.size()) + "wait 100\nkey Escape\nwait 50\n", 0, program);
  EXPECT_EQ(Count(r.trace, kHit), static_cast<int>(house.size()) - 1);
  EXPECT_TRUE(Contains(r.trace, "sound 9 1 Sfx\\Dots\\house.wav"));
  for (const auto& line : r.trace) EXPECT_EQ(line.find("passwd"), std::string::npos) << line;
  EXPECT_TRUE(Contains(r.trace, "unload DotsForm"));
}

// One dot is a picture too: the first press of Space connects it back to itself and completes
// it; with the mouse, a press on the dot starts the line and the next press on it completes.
TEST(Dots, APictureOfOneDotIsPlayable) {
  Scenario s;
  const auto program = s.ProgramWithout("Data/Dots/fish.dot");
  std::ofstream(program.parent_path() / "Data" / "Dots" / "fish.dot", std::ios::binary)
      << "NAME=fish\nIMAGE=fish.bmp\nMASK=fishMask.bmp\nWIDTH=550\nHEIGHT=375\n"
         "ANIM_TICKSPERFRAME=100\nANIM_SOUND=fish.wav\nDOTS=1\n400,300\n";
  const std::string done = "sound 9 1 Sfx\\Dots\\fish.wav";
  Result r =
      s.Run(kOpenDots + "shot dot.png\nkey Space\nwait 100\nkey Escape\nwait 50\n", 0, program);
  EXPECT_EQ(TimeOfFirst(r, done), 10700);  // at the first press
  EXPECT_EQ(Count(r.trace, kHit), 0);
  EXPECT_EQ(Count(r.trace, kMiss), 0);
  // Dot 1 is shown, red, where the file puts it.
  EXPECT_EQ(platform::GetPixel(s.Shot("dot.png"), 400, 300), platform::Rgb(255, 0, 0));

  r = s.Run(kOpenDots + Press(400, 300) + "shot line.png\n" + Press(402, 301) +
                "wait 100\nkey Escape\nwait 50\n",
            0, program, "mouse");
  EXPECT_EQ(TimeOfFirst(r, done), 10720);  // at the second press
  EXPECT_EQ(Count(r.trace, kMiss), 0);
  EXPECT_TRUE(Contains(r.trace, "unload DotsForm"));
}

// The completion runs by elapsed time also while the 32-bit clock wraps: the virtual clock
// starts at 10000 + seed, so this seed wraps it four seconds into the run, while the fish swims.
TEST(Dots, TheCompletionTakesItsTimeAcrossTheClocksWrap) {
  constexpr unsigned kWrapSeed = 2147483648u - 10000 - 4000;
  Scenario s;
  const auto dots = DotsOf("fish");
  const Result r =
      s.Run(kOpenDots + Spaces(dots.size()) + "wait 9000\nkey Escape\nwait 50\n", kWrapSeed);
  ASSERT_EQ(r.status, 0) << r.errors;
  const long time = CompletionTime(r, "fish");
  EXPECT_GE(time, 5193 + 3001);
  EXPECT_LE(time, 5193 + 3001 + 30);
  EXPECT_TRUE(Contains(r.trace, "unload DotsForm"));
}

// Connecting a whole picture and its completion, Next presses, the options dialog's ways out,
// stopping amid a completion, leaving and coming back: every time the menu shows, as many
// surfaces live as when it first showed.
TEST(Dots, TheSurfaceCountAtTheMenuNeverChanges) {
  Scenario s;
  const auto fish = DotsOf("fish");
  std::string play = Spaces(fish.size()) + "wait 8500\n";  // the fish, then the next picture
  for (int i = 0; i < 3; ++i) play += "click 760 500\nwait 30\nkey Right\nwait 30\n";
  play +=
      "key F1\nwait 50\nclick 465 430\nwait 50\n"                                 // cancel
      "click 760 560\nwait 50\nclick 520 340\nwait 20\nclick 335 430\nwait 50\n"  // OK
      "key F1\nwait 50\nkey Escape\nwait 50\n";
  const Result r =
      s.Run(kOpenDots + play + "key Escape\nwait 700\n" + "click 150 325\nwait 100\n" +
            Spaces(fish.size()) + "wait 1000\nclick 700 560\nwait 700\nkey Escape\nwait 50\n");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.trace, "show DotsOptions"), 3);
  EXPECT_EQ(Count(r.trace, "sound 9 1 Sfx\\Dots\\fish.wav"), 2);
  const std::vector<int> counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_EQ(counts[1], counts[0]);
  EXPECT_EQ(counts[2], counts[0]);
}

}  // namespace
}  // namespace scenario
