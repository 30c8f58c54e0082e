// The Domino train played through replay scripts. The wagons' places and symbols are read from
// a screenshot of the standing train (the symbols are stamped pixel for pixel), then a second
// run with the same seed plays with that knowledge.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/scenario/scenario.h"

namespace scenario {
namespace {

// Opens the game (shown at 10600); the train drives in from 10700 for 3.44 s.
const std::string kOpen = "wait 600\nclick 250 150\n";
const std::string kArrive = "wait 3700\n";
const std::string kSfx = "Sfx\\DominoTrain\\";
const std::string kWrong = "sound 0 1 " + kSfx + "Wrong.wav";
const std::string kSwisch = "sound 1 1 " + kSfx + "Swisch.wav";
const std::string kConnect = "sound 0 1 " + kSfx + "Connect.wav";
const std::string kHornLong = "sound 1 1 " + kSfx + "TrainHornLong.wav";
const std::string kHornShort = "sound 1 1 " + kSfx + "TrainHornShort.wav";
const std::string kMoveOut = "sound 1 1 " + kSfx + "TrainMoveOut.wav";
const std::string kLooped = "sound 131081 1 " + kSfx + "TrainMovingLooped.wav";
const std::string kSelect = "sound 1 1 " + kSfx + "Select.wav";
const std::string kSilence = "sound 1 1 Sfx\\Silence.wav";
// Movements are timed by elapsed time, so longer frames change no place; they only make the
// runs quicker. A movement's end is noticed within two frames.
constexpr int kFrameMs = 20;
const std::string kFrames = "--frame-ms " + std::to_string(kFrameMs);

constexpr int kSlotX[7] = {20, 206, 392, 578, 20, 206, 392};
constexpr int kSlotY[7] = {320, 320, 320, 320, 458, 458, 458};
// The rear symbol of the train's last car, whenever the train stands: the locomotive's at
// 152 + 136 and each newly coupled wagon's at 364 - 186 + 110.
constexpr int kRearX = 288;
constexpr int kRearY = 182;

std::string At(int x, int y) {
  return std::to_string(x) + " " + std::to_string(y);
}

class Symbols {
 public:
  Symbols() {
    for (int n = 0; n < 18; ++n) {
      pictures_.push_back(Picture(std::string("Gfx/DominoTrain/Symbol") + (n < 10 ? "0" : "") +
                                  std::to_string(n) + ".bmp"));
    }
  }
  // The symbol whose picture covers the 35 x 35 square at (x, y) exactly, or -1.
  int At(const platform::Surface& shot, int x, int y) const {
    for (int n = 0; n < 18; ++n) {
      if (SameRegion(Shifted(shot, x, y), pictures_[n], 0, 0, 35, 35)) return n;
    }
    return -1;
  }

 private:
  static platform::Surface Shifted(const platform::Surface& shot, int x, int y) {
    platform::Surface s(35, 35, 0);
    for (int yy = 0; yy < 35; ++yy) {
      for (int xx = 0; xx < 35; ++xx) {
        platform::SetPixel(s, xx, yy, platform::GetPixel(shot, x + xx, y + yy));
      }
    }
    return s;
  }
  std::vector<platform::Surface> pictures_;
};

struct Layout {
  int wagons = 0;           // grid slots that hold a wagon
  std::vector<int> slotOf;  // the slot of wagon 1, 2, ... in coupling order
  std::vector<int> rearOf;  // each of those wagons' rear symbol (-1 for the last)
};

// Reads the grid and the standing train's rear symbol from a screenshot and follows the chain.
Layout ReadLayout(const platform::Surface& shot) {
  const Symbols symbols;
  Layout layout;
  int front[7], rear[7];
  for (int k = 0; k < 7; ++k) {
    front[k] = symbols.At(shot, kSlotX[k] + 41, kSlotY[k] + 38);
    rear[k] = symbols.At(shot, kSlotX[k] + 110, kSlotY[k] + 38);
    layout.wagons += front[k] >= 0;
  }
  int wanted = symbols.At(shot, kRearX, kRearY);
  while (wanted >= 0 && static_cast<int>(layout.slotOf.size()) < layout.wagons) {
    int found = -1;
    for (int k = 0; k < 7; ++k) {
      if (front[k] == wanted) found = k;
    }
    if (found < 0) break;
    layout.slotOf.push_back(found);
    layout.rearOf.push_back(rear[found]);
    wanted = rear[found];
  }
  return layout;
}

// The layout of the train that a script prefix ends with, standing.
Layout LayoutAfter(Scenario& s, const std::string& prefix, unsigned seed) {
  s.Run(prefix + "shot layout.png\nwait 10\n", seed, {}, "layout");
  return ReadLayout(s.Shot("layout.png", "layout"));
}

std::string Centre(int slot) {
  return At(kSlotX[slot] + 93, kSlotY[slot] + 69);
}

std::vector<long> TimesOf(const Result& r, const std::string& line) {
  std::vector<long> times;
  for (std::size_t i = 0; i < r.trace.size(); ++i) {
    if (r.trace[i] == line) times.push_back(TimeOf(r.timed[i]));
  }
  return times;
}

TEST(DominoTrain, AWholeTrainByMouseLeavesAndANewOneComesThenTheGameFreesEverything) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 7;
  const Layout layout = LayoutAfter(s, kOpen + kArrive, seed);
  ASSERT_EQ(layout.wagons, 3);
  ASSERT_EQ(layout.slotOf.size(), 3u) << "the chain of symbols could not be followed";
  std::string script = kOpen + kArrive;
  for (std::size_t i = 0; i < 3; ++i) {
    // Pick up by a click, the wagon follows the pointer, a click on the track drops it.
    script += "click " + Centre(layout.slotOf[i]) + "\nwait 50\nmove 300 200\nwait 20\n";
    if (i == 0) script += "shot carried.png\n";
    script += "click 400 191\nwait 2300\nshot coupled" + std::to_string(i) + ".png\n";
  }
  // The last coupling: out (550 px at 130/s), round again, a new train drives in; then Next,
  // the options opened and cancelled, and the way out and in again.
  script +=
      "wait 11500\nshot again.png\nclick 762 500\nwait 3700\nkey F1\nwait 50\nkey Escape\n"
      "wait 50\nkey Escape\nwait 200\n" +
      kOpen + "wait 200\nclick 700 562\nwait 200\n";
  const Result r = s.Run(script, seed);

  EXPECT_EQ(Count(r.trace, kConnect), 3);
  EXPECT_EQ(Count(r.trace, kWrong), 0);
  EXPECT_EQ(Count(r.trace, kHornShort), 2);
  // The wagon hangs centred on the pointer while it is carried.
  const Symbols symbols;
  EXPECT_GE(symbols.At(s.Shot("carried.png"), 300 - 93 + 41, 200 - 69 + 38), 0);
  // After each pull the coupling point is back at 364: the new wagon's rear symbol stands where
  // the locomotive's stood, and its front one just behind the car before.
  for (int i = 0; i < 2; ++i) {
    const auto shot = s.Shot("coupled" + std::to_string(i) + ".png");
    EXPECT_EQ(symbols.At(shot, kRearX, kRearY), layout.rearOf[i]) << i;
    EXPECT_GE(symbols.At(shot, 364 - 186 + 41, kRearY), 0) << i;
  }

  // The leave sequence, timed: out at 130 px/s, then the looping round at 300 px/s.
  const auto out = TimesOf(r, kMoveOut);
  const auto looped = TimesOf(r, kLooped);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(looped.size(), 1u);
  EXPECT_GE(looped[0] - out[0], 4231);
  EXPECT_LE(looped[0] - out[0], 4231 + 2 * kFrameMs);
  long silence = 0;
  for (long t : TimesOf(r, kSilence)) {
    if (!silence && t > looped[0]) silence = t;
  }
  const int total = 212 + 3 * 186;
  EXPECT_GE(silence - looped[0], (total + 850) * 1000 / 300);
  EXPECT_LE(silence - looped[0], (total + 850) * 1000 / 300 + 2 * kFrameMs);
  EXPECT_EQ(Count(r.trace, kHornLong), 4);  // first, after the round, after Next, second visit
  EXPECT_EQ(ReadLayout(s.Shot("again.png")).slotOf.size(), 3u);
  EXPECT_EQ(Count(r.trace, "show DominoTrainOptions"), 1);
  EXPECT_EQ(Count(r.trace, "setting DominoTrain NrOfWagons 3"), 2);

  // Every picture the game made is freed: the menu comes back to the same surface count.
  const auto counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_EQ(counts[1], counts[0]);
  EXPECT_EQ(counts[2], counts[0]);
}

// Presses Space until the wanted slot is selected, as the game searches: from the slot after the
// selected one (from slot 0 itself when none is), round the occupied slots.
std::string SpacesTo(int wanted, int& selected, const std::vector<bool>& occupied, int& presses) {
  std::string keys;
  for (int guard = 0; guard < 8 && selected != wanted; ++guard) {
    int k = selected < 0 ? 0 : (selected + 1) % 7;
    while (!occupied[k]) k = (k + 1) % 7;
    selected = k;
    keys += "key Space\nwait 20\n";
    ++presses;
  }
  return keys;
}

bool White(const platform::Surface& shot, int x, int y) {
  return platform::GetPixel(shot, x, y) == static_cast<std::int64_t>(platform::kWhite);
}

TEST(DominoTrain, AWholeTrainByKeyboardAfterAWrongWagonThatStaysSelected) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 11;
  const Layout layout = LayoutAfter(s, kOpen + kArrive, seed);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  std::vector<bool> occupied(7, false);
  for (int k = 0; k < 3; ++k) occupied[k] = true;
  int selected = -1, presses = 0;
  // A held Space selects once: slot 0.
  std::string script = kOpen + kArrive + "keydown Space\nwait 20\nkeydown Space\nkeydown Space\n" +
                       "keyup Space\nwait 20\nshot first.png\n";
  selected = 0;
  presses = 1;
  // A wrong wagon: Enter sends it back, and it stays selected.
  const int wrong = layout.slotOf[1];
  script += SpacesTo(wrong, selected, occupied, presses) + "key Enter\nwait 100\nshot wrong.png\n";
  for (int i = 0; i < 3; ++i) {
    const int slot = layout.slotOf[i];
    script += SpacesTo(slot, selected, occupied, presses) + "key Enter\nwait 2800\n";
    occupied[slot] = false;
    selected = -1;
  }
  const Result r = s.Run(script + "wait 500\n", seed);

  EXPECT_EQ(Count(r.trace, kSelect), presses);
  EXPECT_EQ(Count(r.trace, kWrong), 1);
  EXPECT_EQ(Count(r.trace, kSwisch), 1);
  EXPECT_EQ(Count(r.trace, kConnect), 3);
  EXPECT_EQ(Count(r.trace, kMoveOut), 1);
  // The white frame: round slot 0 after the first Space, round the wrong wagon after Enter.
  const auto before = s.Shot("layout.png", "layout");
  EXPECT_FALSE(White(before, kSlotX[0] + 93, kSlotY[0]));
  EXPECT_TRUE(White(s.Shot("first.png"), kSlotX[0] + 93, kSlotY[0]));
  const auto afterWrong = s.Shot("wrong.png");
  EXPECT_TRUE(White(afterWrong, kSlotX[wrong] + 93, kSlotY[wrong]));
  EXPECT_TRUE(SameRegion(before, afterWrong, kSlotX[wrong] + 4, kSlotY[wrong] + 4, 178, 130));
}

TEST(DominoTrain, WrongAndOffTrackDropsGoBackWithTheirSounds) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 5;
  const Layout layout = LayoutAfter(s, kOpen + kArrive, seed);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  const std::string right = "click " + Centre(layout.slotOf[0]) + "\nwait 30\n";
  const std::string wrong = "click " + Centre(layout.slotOf[2]) + "\nwait 30\n";
  // The track is the strict inside of (0, 100)-(800, 282).
  const Result r = s.Run(kOpen + kArrive + wrong + "click 400 191\nwait 600\n" + right +
                             "click 400 282\nwait 600\n" + right + "click 400 100\nwait 600\n" +
                             right + "click 0 191\nwait 600\nshot back.png\n" + right +
                             "click 400 281\nwait 2300\nshot coupled.png\n",
                         seed);
  EXPECT_EQ(Count(r.trace, kWrong), 4);
  EXPECT_EQ(Count(r.trace, kSwisch), 4);
  EXPECT_EQ(Count(r.trace, kConnect), 1);
  // Each wrong sound is waited for, then the whoosh follows at once.
  for (std::size_t i = 0; i + 1 < r.trace.size(); ++i) {
    if (r.trace[i] == kWrong) {
      EXPECT_EQ(r.trace[i + 1], kSwisch);
      EXPECT_EQ(TimeOf(r.timed[i + 1]), TimeOf(r.timed[i]));
    }
  }
  // Every wagon stands in its place again, as before the drops.
  EXPECT_TRUE(SameRegion(s.Shot("layout.png", "layout"), s.Shot("back.png"), 0, 303, 800, 297));
  const Symbols symbols;
  EXPECT_EQ(symbols.At(s.Shot("coupled.png"), kRearX, kRearY), layout.rearOf[0]);
}

// Press on the wagon at `slot`, carry it in three steps of 20 ms to (x, y) and let go there.
std::string Drag(int slot, int x, int y, const std::string& midShot = "") {
  const int fx = kSlotX[slot] + 93, fy = kSlotY[slot] + 69;
  std::string s = "move " + At(fx, fy) + "\ndown\nwait 20\n";
  s += "move " + At((fx + x) / 2, (fy + y) / 2) + "\nwait 20\n";
  if (!midShot.empty()) s += "shot " + midShot + "\n";
  return s + "move " + At(x, y) + "\nwait 20\nup\n";
}

TEST(DominoTrain, WagonsCanBeDraggedAndATapStillCarriesTheWagon) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 5;
  const Layout layout = LayoutAfter(s, kOpen + kArrive, seed);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  const std::string script =
      kOpen + kArrive +
      // A wrong wagon dragged onto the track goes back with its sounds.
      Drag(layout.slotOf[2], 400, 191) + "wait 600\nshot wrong.png\n" +
      // The right one let go over the stop button goes back too, and the game goes on.
      Drag(layout.slotOf[0], 700, 562) + "wait 600\n" +
      // A tap picks it up and it hangs on the pointer; keys leave it there; a click couples it.
      "move " + Centre(layout.slotOf[0]) + "\ndown\nup\nwait 20\nmove 300 200\nwait 20\n" +
      "key Space\nkey Enter\nwait 20\nshot tapped.png\nclick 400 191\nwait 2300\n" +
      // The next one dragged onto the track couples and the train pulls forward.
      Drag(layout.slotOf[1], 500, 150, "dragging.png") + "wait 2300\nshot coupled.png\n";
  const Result r = s.Run(script, seed);
  EXPECT_EQ(Count(r.trace, kWrong), 2);
  EXPECT_EQ(Count(r.trace, kSwisch), 2);
  EXPECT_EQ(Count(r.trace, kConnect), 2);
  EXPECT_EQ(Count(r.trace, kHornShort), 2);
  EXPECT_EQ(Count(r.trace, kSelect), 0);
  EXPECT_EQ(Count(r.trace, "unload DominoTrainForm"), 0);
  // Each drop came when its button came up (the wrong sound is traced once it has played).
  const auto wrong = TimesOf(r, kWrong);
  ASSERT_EQ(wrong.size(), 2u);
  EXPECT_EQ(wrong[1] - wrong[0], 600 + 60);

  const auto before = s.Shot("layout.png", "layout");
  EXPECT_TRUE(SameRegion(before, s.Shot("wrong.png"), 0, 303, 800, 297));
  const Symbols symbols;
  // Tapped, the wagon hangs centred on the pointer; dragged, it follows the pointer.
  EXPECT_GE(symbols.At(s.Shot("tapped.png"), 300 - 93 + 41, 200 - 69 + 38), 0);
  const int midX = (kSlotX[layout.slotOf[1]] + 93 + 500) / 2;
  const int midY = (kSlotY[layout.slotOf[1]] + 69 + 150) / 2;
  EXPECT_GE(symbols.At(s.Shot("dragging.png"), midX - 93 + 41, midY - 69 + 38), 0);
  EXPECT_EQ(symbols.At(s.Shot("coupled.png"), kRearX, kRearY), layout.rearOf[1]);
}

TEST(DominoTrain, EscapeOrStopDuringAMovementEndsTheGameThereAndNextWaitsForTheTrain) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  Result r = s.Run(kOpen + "wait 1500\nkey Escape\nwait 300\n");
  long shown = TimesOf(r, "show DominoTrainForm").at(0);
  ASSERT_EQ(TimesOf(r, "unload DominoTrainForm").size(), 1u);
  EXPECT_LE(TimesOf(r, "unload DominoTrainForm")[0] - (shown + 1500), kFrameMs);
  EXPECT_TRUE(Contains(r.trace, "setting DominoTrain NrOfWagons 3"));
  EXPECT_TRUE(Contains(r.trace, "show MenuForm"));

  // Next during the drive-in: the new train comes when this one has arrived; then the stop
  // button during the new train's drive-in.
  r = s.Run(kOpen + "wait 1000\nclick 762 500\nwait 4000\nclick 700 562\nwait 300\n", 0, {},
            "next");
  shown = TimesOf(r, "show DominoTrainForm").at(0);
  const auto horns = TimesOf(r, kHornLong);
  ASSERT_EQ(horns.size(), 2u);
  EXPECT_EQ(horns[0], shown + 100);
  EXPECT_GE(horns[1] - horns[0], 3440 + 100);
  EXPECT_LE(horns[1] - horns[0], 3440 + 100 + 2 * kFrameMs);
  ASSERT_EQ(TimesOf(r, "unload DominoTrainForm").size(), 1u);
  EXPECT_LE(TimesOf(r, "unload DominoTrainForm")[0] - (shown + 5000), kFrameMs);

  // Escape after Next in the same movement still ends the game at once, without a new train.
  r = s.Run(kOpen + "wait 1000\nkey Right\nwait 100\nkey Escape\nwait 4000\n", 0, {}, "both");
  shown = TimesOf(r, "show DominoTrainForm").at(0);
  ASSERT_EQ(TimesOf(r, "unload DominoTrainForm").size(), 1u);
  EXPECT_LE(TimesOf(r, "unload DominoTrainForm")[0] - (shown + 1100), kFrameMs);
  EXPECT_EQ(Count(r.trace, kHornLong), 1);
}

// The dialog lies centred: (180, 185), 440 x 230.
const std::string kEasy = "click 272 270\nwait 20\n";
const std::string kHard = "click 528 270\nwait 20\n";
const std::string kOk = "click 335 375\nwait 50\n";
const std::string kCancel = "click 465 375\nwait 50\n";
bool Selected(const platform::Surface& shot, int option) {
  // A selected option button has an orange frame round it.
  return platform::GetPixel(shot, 180 + 44 + 128 * option - 3, 270) ==
         static_cast<std::int64_t>(platform::Rgb(255, 150, 0));
}

TEST(DominoTrain, TheLevelChangesTheTrainAtOnceIsStoredAndComesBackNextTime) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  Result r =
      s.Run(kOpen + kArrive + "shot before.png\nkey F1\nwait 50\nshot dialog.png\n" + kOk +
            "shot ok.png\nkey F1\nwait 50\n" + kHard + kCancel +
            "shot cancel.png\nclick 760 562\nwait 50\n" + kHard + kOk + kArrive +
            "shot seven.png\nclick 762 500\n" + kArrive + "shot next.png\nkey Escape\nwait 50\n");
  EXPECT_EQ(Count(r.trace, "show DominoTrainOptions"), 3);
  EXPECT_TRUE(Selected(s.Shot("dialog.png"), 0));
  EXPECT_FALSE(Selected(s.Shot("dialog.png"), 2));
  // OK without a change and cancel after a change leave the train alone.
  const auto before = s.Shot("before.png");
  EXPECT_TRUE(SameRegion(before, s.Shot("ok.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(before, s.Shot("cancel.png"), 0, 0, 800, 600));
  EXPECT_EQ(Count(r.trace, kHornLong), 3);
  const Layout seven = ReadLayout(s.Shot("seven.png"));
  EXPECT_EQ(seven.wagons, 7);
  EXPECT_EQ(seven.slotOf.size(), 7u);
  EXPECT_EQ(ReadLayout(s.Shot("next.png")).wagons, 7);
  EXPECT_TRUE(Contains(r.trace, "setting DominoTrain NrOfWagons 7"));

  // The next launch reads the level back, and the dialog shows it.
  r = s.Run(kOpen + kArrive + "shot again.png\nkey F1\nwait 50\nshot dialog.png\nkey Escape\n" +
                "wait 50\nkey Escape\nwait 50\n",
            0, {}, "again");
  EXPECT_EQ(ReadLayout(s.Shot("again.png", "again")).wagons, 7);
  EXPECT_TRUE(Selected(s.Shot("dialog.png", "again"), 2));
  EXPECT_TRUE(Contains(r.trace, "setting DominoTrain NrOfWagons 7"));
}

TEST(DominoTrain, AStoredLevelOtherThanThreeFiveOrSevenGivesThree) {
  struct Case {
    const char* stored;
    int wagons;
  };
  for (const Case c : {Case{"5", 5}, Case{"4", 3}, Case{"7 wagons", 3}, Case{"", 3}}) {
    SCOPED_TRACE(c.stored);
    Scenario s;
    s.SetExtraOptions(kFrames);
    s.SetExtraOptions(kFrames);
    fs::create_directories(s.dir() / "config" / "Kidplay");
    std::ofstream(s.dir() / "config" / "Kidplay" / "settings.ini")
        << "[DominoTrain]\nNrOfWagons=" << c.stored << "\n";
    s.Run(kOpen + kArrive + "shot level.png\nwait 10\n");
    EXPECT_EQ(ReadLayout(s.Shot("level.png")).wagons, c.wagons);
  }
}

TEST(DominoTrain, WithoutTheWagonPictureTheGameGoesOnWithDarkWagons) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const fs::path program = s.ProgramWithout("Gfx/DominoTrain/Wagon.bmp");
  const unsigned seed = 2;
  Result r = s.Run(kOpen + kArrive + "shot layout.png\nwait 10\n", seed, program, "layout");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.trace,
                       "box Error|DominoTrain:Failed to load image: "
                       "Gfx\\DominoTrain\\Wagon.bmp"));
  // The symbols are still stamped on the cars, so the train can still be built.
  const Layout layout = ReadLayout(s.Shot("layout.png", "layout"));
  ASSERT_EQ(layout.slotOf.size(), 3u);
  r = s.Run(kOpen + kArrive + "click " + Centre(layout.slotOf[0]) +
                "\nwait 30\nclick 400 191\nwait 2300\nkey Escape\nwait 50\n",
            seed, program);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.trace, kConnect), 1);
  EXPECT_EQ(SurfacesAtMenu(r).back(), SurfacesAtMenu(r).front());
}

}  // namespace
}  // namespace scenario
