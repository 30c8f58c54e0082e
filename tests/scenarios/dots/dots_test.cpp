// The Dots game played through replay scripts, with the dots read from the built dot files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

const std::string kOpenDots = Open(Game::Dots);  // shown at 10600 + seed
const std::string kHit = "sound 1 1 Sfx\\Dots\\rubduck3.wav";
const std::string kMiss = "sound 1 1 Sfx\\Dots\\rubduck1.wav";
const OptionsDialog& kDialog = kTallDialog;

std::vector<std::pair<int, int>> DotsOf(const std::string& name) {
  std::ifstream in(std::filesystem::path(KIDPLAY_DIR) / "Data" / "Dots" / (name + ".dot"));
  std::vector<std::pair<int, int>> dots;
  int count = -1;
  for (std::string line; std::getline(in, line);) {
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
  return "move " + At(x, y) + "\ndown\nup\nwait 20\n";
}

std::string Spaces(std::size_t n) {
  return Keys("Space", static_cast<int>(n));
}

// Milliseconds from the picture's looping sound (its completion, the `nth` one) to the next
// picture, which stops all sounds; -1 when either is missing.
long CompletionTime(const Result& r, const std::string& picture, std::size_t nth = 0) {
  const auto done = TimesOf(r, "sound 9 1 Sfx\\Dots\\" + picture + ".wav");
  if (done.size() <= nth) return -1;
  const long next = FirstTime(r, "sound 1 1 Sfx\\Silence.wav", done[nth]);
  return next < 0 ? -1 : next - done[nth];
}

// Exactly 20 pixels from a dot starts no line, 19 does; a dot out of turn drops the line; then
// the whole fish is connected with the mouse and comes alive.
TEST(Dots, AWrongDotDropsTheLineTheHitDistanceIsStrictAndTheMouseCompletesAPicture) {
  Scenario s;
  const auto d = DotsOf("fish");
  std::string script = kOpenDots + Press(d[0].first + 20, d[0].second) +  // no line
                       Press(d[1].first, d[1].second) +                   // so nothing connects
                       Press(d[0].first + 19, d[0].second) +              // the line starts
                       Press(d[2].first, d[2].second) +                   // out of turn: dropped
                       Press(d[1].first, d[1].second) +                   // no line any more
                       Press(d[0].first, d[0].second);
  for (std::size_t i = 1; i <= d.size(); ++i)
    script += Press(d[i % d.size()].first, d[i % d.size()].second);
  const Result r = s.Run(script + "wait 500\nshot done.png\nwait 10\n");
  EXPECT_EQ(Count(r.trace, kMiss), 1);
  EXPECT_LT(FirstTime(r, kMiss), FirstTime(r, kHit));
  // Every dot but the closing one squeaks; completing plays the picture's own loop instead.
  EXPECT_EQ(Count(r.trace, kHit), static_cast<int>(d.size()) - 1);
  EXPECT_TRUE(Contains(r.trace, "sound 9 1 Sfx\\Dots\\fish.wav"));
  // The finished picture shows its background where the dots were.
  EXPECT_TRUE(SameRegion(s.Shot("done.png"), Picture("Gfx/Dots/fishBg.bmp"), 0, 0, 100, 100));
}

// One run across the 32-bit clock's wrap (the clock starts at 10000 + seed and wraps four
// seconds in, while the fish swims): Space connects one dot a press, a held Space one; the
// moving fish leaves after about 5.2 s, then 3 s (and comes again); Right brings the house,
// which stays 7 s, then 3 s; Next,
// Right and every way out of the options; leaving, coming back, and the stop button amid a
// completion ending the game within a frame. The menu always comes back to the same surfaces.
TEST(Dots, SpaceCompletionTimingsAcrossTheClocksWrapTheStopButtonAndNoLeak) {
  constexpr unsigned kWrapSeed = 2147483648u - 10000 - 4000;
  Scenario s;
  const auto fish = DotsOf("fish"), house = DotsOf("house");
  std::string script = kOpenDots + "keydown Space\nkeydown Space\nkeyup Space\nwait 20\n" +
                       Spaces(fish.size() - 1) + "wait 9000\nkey Right\nwait 20\n" +
                       Spaces(house.size()) + "wait 11000\n";
  for (int i = 0; i < 3; ++i) script += Click(760, 500, 30) + Keys("Right", 1, 30);
  script += "key F1\nwait 50\n" + kDialog.Cancel() + Click(760, 560, 50) + kDialog.Right() +
            kDialog.Ok() + "key F1\nwait 50\nkey Escape\nwait 50\nkey Escape\nwait 700\n" +
            IconClick(Game::Dots) + Wait(100) + Spaces(fish.size()) + "wait 1000\n" +
            Click(700, 560, 700) + "key Escape\nwait 50\n";
  const Result r = s.Run(script, kWrapSeed);
  ASSERT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(Count(r.trace, kHit), static_cast<int>(2 * fish.size() + house.size()) - 3);
  const long moving = CompletionTime(r, "fish");
  EXPECT_GE(moving, 5193 + 3001);
  EXPECT_LE(moving, 5193 + 3001 + 30);
  const long still = CompletionTime(r, "house");
  EXPECT_GE(still, 7001 + 3001);
  EXPECT_LE(still, 7001 + 3001 + 30);
  EXPECT_EQ(Count(r.trace, "show DotsOptions"), 3);
  const auto done = TimesOf(r, "sound 9 1 Sfx\\Dots\\fish.wav");
  ASSERT_EQ(done.size(), 2u);
  const long stopped = FirstTime(r, "unload DotsForm", done[1]) - done[1];
  EXPECT_GE(stopped, 1020);  // the click came 1020 ms after the last press
  EXPECT_LE(stopped, 1040);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
}

TEST(Dots, TheOptionsChangeTheDistanceAndThePictureAndTheNextLaunchKeepsThem) {
  Scenario s;
  const auto house = DotsOf("house"), fish = DotsOf("fish");
  // Far distance, one picture on, OK: the house, and 29 pixels now reach its first dot.
  Result r = s.Run(kOpenDots + "key F1\nwait 50\n" + kDialog.Option(2) + kDialog.Right() +
                   kDialog.Ok() + Press(house[0].first + 29, house[0].second) +
                   Press(house[1].first, house[1].second) + "key Escape\nwait 50\n");
  EXPECT_TRUE(Contains(r.trace, "show DotsOptions"));
  EXPECT_TRUE(Contains(r.trace, "setting Dots GridSize 30"));
  EXPECT_EQ(Count(r.trace, kHit), 1);
  // The next launch keeps the distance; cancel after choosing near changes nothing.
  r = s.Run(kOpenDots + "key F1\nwait 50\nshot dialog.png\n" + kDialog.Option(0) +
                kDialog.Cancel() + Press(fish[0].first + 29, fish[0].second) +
                Press(fish[1].first, fish[1].second) + "wait 10\n",
            0, {}, "again");
  EXPECT_EQ(kDialog.Selected(s.Shot("dialog.png", "again")), 2);
  EXPECT_FALSE(Contains(r.trace, "setting Dots GridSize 10"));
  EXPECT_EQ(Count(r.trace, kHit), 1);
}

// The stored hit radius is used as it is, from 5 to 60 pixels; anything else gives 20. Only
// the options dialog maps it to the nearest of its three buttons.
TEST(Dots, TheStoredDistanceIsTheHitRadiusAndTheDialogShowsTheNearestButton) {
  const auto fish = DotsOf("fish");
  const auto [x0, y0] = fish[0];
  const auto [x1, y1] = fish[1];
  struct Case {
    const char* stored;
    int radius, button;
  };
  for (const Case& c : {Case{"27", 27, 2}, Case{"5", 5, 0}, Case{"60", 60, 2}, Case{"14", 14, 0},
                        Case{"4", 20, 1}, Case{"61", 20, 1}, Case{"abc", 20, 1}}) {
    SCOPED_TRACE(c.stored);
    Scenario s;
    WriteSettings(s, std::string("[Dots]\nGridSize=") + c.stored + "\n");
    // Exactly the radius away starts no line; one pixel nearer does, and the next dot joins.
    const int side = x0 + c.radius < 790 ? 1 : -1;
    const Result r = s.Run(kOpenDots + Press(x0 + side * c.radius, y0) + Press(x1, y1) +
                           Press(x0 + side * (c.radius - 1), y0) + Press(x1, y1) +
                           "key F1\nwait 50\nshot dialog.png\nkey Escape\nwait 20\n");
    EXPECT_EQ(Count(r.trace, kHit), 1);
    EXPECT_EQ(Count(r.trace, kMiss), 0);
    EXPECT_EQ(kDialog.Selected(s.Shot("dialog.png")), c.button);
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
  EXPECT_EQ(FirstTime(r, done), 10700);  // at the first press
  EXPECT_EQ(Count(r.trace, kHit) + Count(r.trace, kMiss), 0);
  // Dot 1 is shown, red, where the file puts it.
  EXPECT_EQ(platform::GetPixel(s.Shot("dot.png"), 400, 300), platform::Rgb(255, 0, 0));
  r = s.Run(kOpenDots + Press(400, 300) + Press(402, 301) + "wait 100\nkey Escape\nwait 50\n", 0,
            program, "mouse");
  EXPECT_EQ(FirstTime(r, done), 10720);  // at the second press
  EXPECT_EQ(Count(r.trace, kMiss), 0);
  EXPECT_TRUE(Contains(r.trace, "unload DotsForm"));
}

}  // namespace
}  // namespace scenario
