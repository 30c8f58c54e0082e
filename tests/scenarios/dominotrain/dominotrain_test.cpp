// The Domino train played through replay scripts. The wagons' places and symbols are read from
// a screenshot of the standing train (the symbols are stamped pixel for pixel), then a second
// run with the same seed plays with that knowledge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

// Opens the game (shown at 10600); the train drives in from 10700 for 3.44 s.
const std::string kOpen = Open(Game::DominoTrain, 0);
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
const std::string kUnload = "unload DominoTrainForm";
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

// The symbol whose picture covers the 35 x 35 square at (x, y) of a shot exactly, or -1.
int SymbolAt(const platform::Surface& shot, int x, int y) {
  static const std::vector<platform::Surface> symbols = [] {
    std::vector<platform::Surface> pictures;
    for (int n = 0; n < 18; ++n) {
      pictures.push_back(Picture(std::string("Gfx/DominoTrain/Symbol") + (n < 10 ? "0" : "") +
                                 std::to_string(n) + ".bmp"));
    }
    return pictures;
  }();
  static const platform::Surface opaque(35, 35, 0);  // a mask that shows every pixel
  for (int n = 0; n < 18; ++n) {
    if (PictureAt(shot, symbols[n], opaque, x, y)) return n;
  }
  return -1;
}

struct Layout {
  int wagons = 0;           // grid slots that hold a wagon
  std::vector<int> slotOf;  // the slot of wagon 1, 2, ... in coupling order
  std::vector<int> rearOf;  // each of those wagons' rear symbol (-1 for the last)
};

// Reads the grid and the standing train's rear symbol from a screenshot and follows the chain.
Layout ReadLayout(const platform::Surface& shot) {
  Layout layout;
  int front[7], rear[7];
  for (int k = 0; k < 7; ++k) {
    front[k] = SymbolAt(shot, kSlotX[k] + 41, kSlotY[k] + 38);
    rear[k] = SymbolAt(shot, kSlotX[k] + 110, kSlotY[k] + 38);
    layout.wagons += front[k] >= 0;
  }
  int wanted = SymbolAt(shot, kRearX, kRearY);
  while (wanted >= 0 && static_cast<int>(layout.slotOf.size()) < layout.wagons) {
    int found = -1;
    for (int k = 0; k < 7; ++k) found = front[k] == wanted ? k : found;
    if (found < 0) break;
    layout.slotOf.push_back(found);
    layout.rearOf.push_back(rear[found]);
    wanted = rear[found];
  }
  return layout;
}

// The layout of the train standing after the game opened (the run is named "layout").
Layout LayoutAt(Scenario& s, unsigned seed, const fs::path& program = {}) {
  s.Run(kOpen + kArrive + "shot layout.png\nwait 10\n", seed, program, "layout");
  return ReadLayout(s.Shot("layout.png", "layout"));
}

std::pair<int, int> Centre(int slot) {
  return {kSlotX[slot] + 93, kSlotY[slot] + 69};
}
std::string ClickSlot(int slot) {
  return Click(Centre(slot).first, Centre(slot).second, 30);
}

// The wagon whose symbols are seen, carried centred on the pointer at (x, y).
bool CarriedAt(const platform::Surface& shot, int x, int y) {
  return SymbolAt(shot, x - 93 + 41, y - 69 + 38) >= 0;
}

TEST(DominoTrain, AWholeTrainByMouseLeavesAndANewOneComesThenTheGameFreesEverything) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 7;
  const Layout layout = LayoutAt(s, seed);
  ASSERT_EQ(layout.wagons, 3);
  ASSERT_EQ(layout.slotOf.size(), 3u) << "the chain of symbols could not be followed";
  std::string script = kOpen + kArrive;
  for (std::size_t i = 0; i < 3; ++i) {
    // Pick up by a click, the wagon follows the pointer, a click on the track drops it.
    script += Click(Centre(layout.slotOf[i]).first, Centre(layout.slotOf[i]).second, 50) +
              "move 300 200\nwait 20\n";
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
  EXPECT_TRUE(CarriedAt(s.Shot("carried.png"), 300, 200));
  // After each pull the coupling point is back at 364: the new wagon's rear symbol stands where
  // the locomotive's stood, and its front one just behind the car before.
  for (int i = 0; i < 2; ++i) {
    const auto shot = s.Shot("coupled" + std::to_string(i) + ".png");
    EXPECT_EQ(SymbolAt(shot, kRearX, kRearY), layout.rearOf[i]) << i;
    EXPECT_GE(SymbolAt(shot, 364 - 186 + 41, kRearY), 0) << i;
  }
  // The leave sequence, timed: out at 130 px/s, then the looping round at 300 px/s.
  const auto out = TimesOf(r, kMoveOut);
  const auto looped = TimesOf(r, kLooped);
  ASSERT_EQ(out.size(), 1u);
  ASSERT_EQ(looped.size(), 1u);
  EXPECT_GE(looped[0] - out[0], 4231);
  EXPECT_LE(looped[0] - out[0], 4231 + 2 * kFrameMs);
  const long silence = FirstTime(r, "sound 1 1 Sfx\\Silence.wav", looped[0] + 1);
  const int round = (212 + 3 * 186 + 850) * 1000 / 300;
  EXPECT_GE(silence - looped[0], round);
  EXPECT_LE(silence - looped[0], round + 2 * kFrameMs);
  EXPECT_EQ(Count(r.trace, kHornLong), 4);  // first, after the round, after Next, second visit
  EXPECT_EQ(ReadLayout(s.Shot("again.png")).slotOf.size(), 3u);
  EXPECT_EQ(Count(r.trace, "show DominoTrainOptions"), 1);
  EXPECT_EQ(Count(r.trace, "setting DominoTrain NrOfWagons 3"), 2);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
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

bool White(const platform::Surface& shot, int slot) {
  return platform::GetPixel(shot, kSlotX[slot] + 93, kSlotY[slot]) ==
         static_cast<std::int64_t>(platform::kWhite);
}

TEST(DominoTrain, AWholeTrainByKeyboardAfterAWrongWagonThatStaysSelected) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 11;
  const Layout layout = LayoutAt(s, seed);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  std::vector<bool> occupied = {true, true, true, false, false, false, false};
  // A held Space selects once: slot 0.
  int selected = 0, presses = 1;
  std::string script = kOpen + kArrive + "keydown Space\nwait 20\nkeydown Space\nkeydown Space\n" +
                       "keyup Space\nwait 20\nshot first.png\n";
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
  EXPECT_FALSE(White(before, 0));
  EXPECT_TRUE(White(s.Shot("first.png"), 0));
  const auto afterWrong = s.Shot("wrong.png");
  EXPECT_TRUE(White(afterWrong, wrong));
  EXPECT_TRUE(SameRegion(before, afterWrong, kSlotX[wrong] + 4, kSlotY[wrong] + 4, 178, 130));
}

// Clicked and dragged: a wrong wagon and right ones dropped off the track (the track is the
// strict inside of (0, 100)-(800, 282)) or over the stop button go back with their sounds; a
// tap still carries a wagon, keys leave it hanging, and a drag onto the track couples.
TEST(DominoTrain, WrongAndOffTrackDropsGoBackAndWagonsCanBeDraggedOrTapped) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const unsigned seed = 5;
  const Layout layout = LayoutAt(s, seed);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  const std::string right = ClickSlot(layout.slotOf[0]);
  const int second = layout.slotOf[1], third = layout.slotOf[2];
  const std::pair<int, int> middle = {(Centre(third).first + 500) / 2,
                                      (Centre(third).second + 150) / 2};
  const std::string script =
      kOpen + kArrive + ClickSlot(third) + "click 400 191\nwait 600\n" + right +
      "click 400 282\nwait 600\n" + right + "click 400 100\nwait 600\n" + right +
      "click 0 191\nwait 600\nshot back.png\n" + right + "click 400 281\nwait 2300\n" +
      "shot coupled0.png\n" + Drag(Centre(third), {400, 191}, 2) + "wait 600\n" +
      Drag(Centre(second), {700, 562}, 2) + "wait 600\n" + "move " +
      At(Centre(second).first, Centre(second).second) +
      "\ndown\nup\nwait 20\nmove 300 200\nwait 20\nkey Space\nkey Enter\nwait 20\n"
      "shot tapped.png\nclick 400 191\nwait 2300\nshot coupled1.png\n" +
      "move " + At(Centre(third).first, Centre(third).second) + "\ndown\nwait 20\nmove " +
      At(middle.first, middle.second) +
      "\nwait 20\nshot dragging.png\nmove 500 150\nwait 20\nup\nwait 1500\n";
  const Result r = s.Run(script, seed);
  EXPECT_EQ(Count(r.trace, kWrong), 6);
  EXPECT_EQ(Count(r.trace, kSwisch), 6);
  EXPECT_EQ(Count(r.trace, kConnect), 3);
  EXPECT_EQ(Count(r.trace, kSelect), 0);
  EXPECT_EQ(Count(r.trace, kMoveOut), 1);
  EXPECT_EQ(Count(r.trace, kUnload), 0);
  // Each wrong sound is waited for, then the whoosh follows at once.
  for (std::size_t i = 0; i + 1 < r.trace.size(); ++i) {
    if (r.trace[i] == kWrong) {
      EXPECT_EQ(r.trace[i + 1], kSwisch);
      EXPECT_EQ(TimeOf(r.timed[i + 1]), TimeOf(r.timed[i]));
    }
  }
  // A drag's drop comes when its button comes up (the wrong sound is traced once it has played).
  const auto wrong = TimesOf(r, kWrong);
  ASSERT_EQ(wrong.size(), 6u);
  EXPECT_EQ(wrong[5] - wrong[4], 60 + 20 + 600);
  // Every wagon stands in its place again, as before the drops.
  EXPECT_TRUE(SameRegion(s.Shot("layout.png", "layout"), s.Shot("back.png"), 0, 303, 800, 297));
  EXPECT_EQ(SymbolAt(s.Shot("coupled0.png"), kRearX, kRearY), layout.rearOf[0]);
  EXPECT_TRUE(CarriedAt(s.Shot("tapped.png"), 300, 200));
  EXPECT_EQ(SymbolAt(s.Shot("coupled1.png"), kRearX, kRearY), layout.rearOf[1]);
  EXPECT_TRUE(CarriedAt(s.Shot("dragging.png"), middle.first, middle.second));
}

// Escape during the drive-in ends the game there; Next during the drive-in brings the new train
// once this one has arrived, and the stop button during that drive-in ends the game; Escape
// after Next in the same movement still ends it at once, without a new train.
TEST(DominoTrain, EscapeOrStopDuringAMovementEndsTheGameThereAndNextWaitsForTheTrain) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const std::string back = "wait 700\n" + IconClick(Game::DominoTrain);
  const Result r = s.Run(kOpen + "wait 1500\nkey Escape\n" + back +
                         "wait 1000\nclick 762 500\nwait 4000\nclick 700 562\n" + back +
                         "wait 1000\nkey Right\nwait 100\nkey Escape\nwait 4000\n");
  const auto shown = TimesOf(r, "show DominoTrainForm");
  const auto left = TimesOf(r, kUnload);
  ASSERT_EQ(shown.size(), 3u);
  ASSERT_EQ(left.size(), 3u);
  const long after[3] = {1500, 5000, 1100};
  for (int i = 0; i < 3; ++i) {
    EXPECT_GE(left[i] - shown[i], after[i]) << i;
    EXPECT_LE(left[i] - shown[i], after[i] + kFrameMs) << i;
  }
  const auto horns = TimesOf(r, kHornLong);
  ASSERT_EQ(horns.size(), 4u);
  EXPECT_EQ(horns[1], shown[1] + 100);
  EXPECT_GE(horns[2] - horns[1], 3440 + 100);
  EXPECT_LE(horns[2] - horns[1], 3440 + 100 + 2 * kFrameMs);
  EXPECT_GT(horns[3], shown[2]);  // the third visit's only horn
  EXPECT_EQ(Count(r.trace, "setting DominoTrain NrOfWagons 3"), 3);
}

TEST(DominoTrain, TheLevelChangesTheTrainAtOnceIsStoredAndComesBackNextTime) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const OptionsDialog& dialog = kShortDialog;
  Result r =
      s.Run(kOpen + kArrive + "shot before.png\nkey F1\nwait 50\nshot dialog.png\n" + dialog.Ok() +
            "shot ok.png\nkey F1\nwait 50\n" + dialog.Option(2) + dialog.Cancel() +
            "shot cancel.png\nclick 760 562\nwait 50\n" + dialog.Option(2) + dialog.Ok() + kArrive +
            "shot seven.png\nclick 762 500\n" + kArrive + "shot next.png\nkey Escape\nwait 50\n");
  EXPECT_EQ(Count(r.trace, "show DominoTrainOptions"), 3);
  EXPECT_EQ(dialog.Selected(s.Shot("dialog.png")), 0);
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
  EXPECT_EQ(dialog.Selected(s.Shot("dialog.png", "again")), 2);
  EXPECT_TRUE(Contains(r.trace, "setting DominoTrain NrOfWagons 7"));
}

TEST(DominoTrain, AStoredLevelOtherThanThreeFiveOrSevenGivesThree) {
  for (const auto& [stored, wagons] : {std::pair{"5", 5}, {"4", 3}, {"7 wagons", 3}}) {
    Scenario s;
    s.SetExtraOptions(kFrames);
    WriteSettings(s, std::string("[DominoTrain]\nNrOfWagons=") + stored + "\n");
    EXPECT_EQ(LayoutAt(s, 0).wagons, wagons) << stored;
  }
}

TEST(DominoTrain, WithoutTheWagonPictureTheGameGoesOnWithDarkWagons) {
  Scenario s;
  s.SetExtraOptions(kFrames);
  const fs::path program = s.ProgramWithout("Gfx/DominoTrain/Wagon.bmp");
  const unsigned seed = 2;
  // The symbols are still stamped on the cars, so the train can still be built.
  const Layout layout = LayoutAt(s, seed, program);
  ASSERT_EQ(layout.slotOf.size(), 3u);
  const Result r = s.Run(kOpen + kArrive + ClickSlot(layout.slotOf[0]) +
                             "click 400 191\nwait 2300\nkey Escape\nwait 50\n",
                         seed, program);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(
      Contains(r.trace, "box Error|DominoTrain:Failed to load image: Gfx\\DominoTrain\\Wagon.bmp"));
  EXPECT_EQ(Count(r.trace, kConnect), 1);
  EXPECT_TRUE(NoSurfaceLeaked(r, 1));
}

}  // namespace
}  // namespace scenario
