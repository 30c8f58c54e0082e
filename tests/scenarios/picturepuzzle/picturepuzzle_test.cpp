// The Picture puzzle played through replay scripts. Where the pieces lie comes from the game's
// scene table and the tray rule (a row from x = 10, 5 pixels apart); what happened is read from
// the trace and from screenshots compared with the built pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "games/picturepuzzle/puzzle_scenes.h"
#include "support/scenario/game_helpers.h"

namespace scenario {
namespace {

using picturepuzzle::PieceInfo;
using picturepuzzle::SceneInfo;
using picturepuzzle::Scenes;

const std::string kOpenPuzzle = Open(Game::PicturePuzzle, 300);
const std::string kCorrect = "sound 1 1 Sfx\\PicturePuzzle\\Correct.wav";
const std::string kWrong = "sound 1 1 Sfx\\PicturePuzzle\\Wrong.wav";
const std::string kBack = "sound 1 1 Sfx\\PicturePuzzle\\back.wav";
const std::string kDone = "sound 1 1 Sfx\\PicturePuzzle\\done.wav";
const std::string kSelect = "sound 1 1 Sfx\\PicturePuzzle\\Select.wav";
const std::string kOptions = Click(763, 563, 50);
const OptionsDialog& kDialog = kTallDialog;
constexpr int kTargetLeft = 405;
const SceneInfo& kHouse = Scenes[0];
const PieceInfo& kStair = kHouse.pieces[0];
const PieceInfo& kDoor = kHouse.pieces[1];

std::string ClickAt(std::pair<int, int> p) {
  return Click(p.first, p.second);
}

// Where each piece of a fresh puzzle lies in the tray: a point inside it on the screen.
std::vector<std::pair<int, int>> TrayPoints(const SceneInfo& scene) {
  std::vector<std::pair<int, int>> points;
  int x = 10;
  for (int i = 0; i < scene.pieceCount; ++i) {
    const PieceInfo& p = scene.pieces[i];
    points.emplace_back(x + p.width / 2, 420 + std::min(p.height, 160) / 2);
    x += p.width + 5;
  }
  return points;
}

// The pointer position that hangs a carried piece with its corner (dx, dy) off its place.
std::pair<int, int> Over(const PieceInfo& p, int dx = 0, int dy = 0) {
  return {kTargetLeft + p.x + dx + p.width / 2, p.y + dy + p.height / 2};
}

// Carries every piece of a fresh puzzle from the tray into its hole, in slot order.
std::string SolveWithTheMouse(const SceneInfo& scene) {
  std::string script;
  const auto tray = TrayPoints(scene);
  for (int i = 0; i < scene.pieceCount; ++i)
    script += ClickAt(tray[i]) + ClickAt(Over(scene.pieces[i]));
  return script;
}

// The celebration stars in one row (their tops at `top` .. top + 5, their left edges 30..600).
int StarsInRow(const platform::Surface& shot, int top) {
  static const platform::Surface star = Picture("Gfx/PicturePuzzle/Star.bmp");
  static const platform::Surface mask = Picture("Gfx/PicturePuzzle/StarMask.bmp");
  int found = 0;
  for (int x = 30; x <= 600; ++x) {
    for (int y = top; y <= top + 5; ++y) {
      if (PictureAt(shot, star, mask, x, y)) {
        ++found;
        x += 60;
        break;
      }
    }
  }
  return found;
}

// The region of the shot equals the whole of a built picture placed at (x, y).
bool ShowsPicture(const platform::Surface& shot, const std::string& path, int x, int y) {
  const platform::Surface picture = Picture(path);
  return PictureAt(shot, picture, platform::Surface(picture.width(), picture.height(), 0), x, y);
}

bool ShowsPiece(const platform::Surface& shot, const std::string& piece, int x, int y,
                const std::string& scene = "House") {
  const std::string base = "Gfx/PicturePuzzle/" + scene + "/" + piece;
  return PictureAt(shot, Picture(base + ".bmp"), Picture(base + "Mask.bmp"), x, y);
}

// The Correct, Wrong, back and Select sounds in the order heard.
std::vector<std::string> Heard(const Result& r) {
  const std::vector<std::string> sounds = {kCorrect, kWrong, kBack, kSelect};
  std::vector<std::string> heard;
  for (const std::string& line : r.trace) {
    if (std::find(sounds.begin(), sounds.end(), line) != sounds.end()) heard.push_back(line);
  }
  return heard;
}

// Next and the Right arrow start the puzzle anew; solved with the mouse, the stars come and a
// key stops them and starts a new puzzle; Escape during the stars, the options' ways out and
// the stop button: the menu always comes back to the same surface count.
TEST(PicturePuzzle, SolvedWithTheMouseThenAKeyDuringTheStarsStartsANewPuzzleAndNothingLeaks) {
  const auto tray = TrayPoints(kHouse);
  const std::string stair = ClickAt(tray[0]) + ClickAt(Over(kStair));
  Scenario s;
  const Result r = s.Run(
      kOpenPuzzle + "shot fresh.png\n" + stair + Click(763, 500, 50) + "shot next.png\n" + stair +
      "key Right\nwait 50\nshot right.png\n" + kOptions + kDialog.Cancel() +
      SolveWithTheMouse(kHouse) +
      "wait 150\nshot first.png\nwait 1080\nshot stars.png\nkey A\nwait 100\nshot new.png\n"
      "wait 6000\nshot later.png\n" +
      SolveWithTheMouse(kHouse) + "wait 800\nkey Escape\nwait 700\n" +
      IconClick(Game::PicturePuzzle) + Wait(300) + kOptions + kDialog.Ok() + Click(700, 563, 100));
  EXPECT_EQ(Count(r.trace, kCorrect), 2 + 2 * kHouse.pieceCount);
  EXPECT_EQ(Count(r.trace, kWrong) + Count(r.trace, kBack), 0);
  ASSERT_EQ(Count(r.trace, kDone), 2);
  const auto done = std::find(r.trace.begin(), r.trace.end(), kDone);
  EXPECT_EQ(*(done + 1), "sound 1 1 Sfx\\Silence.wav") << "the key stops the fanfare";
  const auto fresh = s.Shot("fresh.png");
  EXPECT_TRUE(SameRegion(fresh, s.Shot("next.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(fresh, s.Shot("right.png"), 0, 0, 800, 600));
  // The stars come one by one, the lower row first, one every 350 ms.
  const auto first = s.Shot("first.png");
  EXPECT_EQ(StarsInRow(first, 510), 1);
  EXPECT_EQ(StarsInRow(first, 430), 0);
  const auto stars = s.Shot("stars.png");
  EXPECT_EQ(StarsInRow(stars, 510), 4);
  EXPECT_EQ(StarsInRow(stars, 430), 0);
  EXPECT_TRUE(ShowsPicture(stars, "Gfx/PicturePuzzle/House/HouseSource.bmp", kTargetLeft, 0));
  // The key brought a new puzzle: holes on the right, the pieces back in the tray, no stars,
  // and no star is drawn any more after it.
  const auto fresh2 = s.Shot("new.png");
  EXPECT_TRUE(ShowsPicture(fresh2, "Gfx/PicturePuzzle/House/HouseTarget.bmp", kTargetLeft, 0));
  EXPECT_TRUE(ShowsPiece(fresh2, "Stair", 10, 420));
  EXPECT_EQ(StarsInRow(fresh2, 510), 0);
  EXPECT_TRUE(SameRegion(fresh2, s.Shot("later.png"), 0, 0, 800, 600));
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleForm"), 2);
  EXPECT_TRUE(NoSurfaceLeaked(r, 2));
}

// Space frames the next piece, Enter lifts it onto a place, Space moves it on, Enter drops it:
// repeated, this solves any scene. The first run finds how many rounds it takes (the places
// offered depend on the random numbers of the seed); the second stops right there.
TEST(PicturePuzzle, SolvedWithTheKeyboardAlone) {
  auto rounds = [](int n) {
    std::string script;
    for (int i = 0; i < n; ++i) script += "key Space\nwait 10\nkey Enter\nwait 10\n";
    return script;
  };
  Scenario s;
  const Result probe = s.Run(kOpenPuzzle + rounds(60), 7, {}, "probe");
  ASSERT_GE(Count(probe.trace, kDone), 1);
  const auto done = std::find(probe.trace.begin(), probe.trace.end(), kDone);
  const int needed = static_cast<int>(std::count(probe.trace.begin(), done, kSelect));
  // Each piece takes a round to lift and at most one round per place to come round to its own.
  EXPECT_GE(needed, 2 * kHouse.pieceCount);
  EXPECT_LE(needed, kHouse.pieceCount * (kHouse.pieceCount + 1));

  const Result r = s.Run(kOpenPuzzle + rounds(needed) + "wait 6000\nshot done.png\n", 7);
  EXPECT_EQ(Count(r.trace, kCorrect), kHouse.pieceCount);
  EXPECT_EQ(Count(r.trace, kDone), 1);
  const auto shot = s.Shot("done.png");
  EXPECT_TRUE(ShowsPicture(shot, "Gfx/PicturePuzzle/House/HouseSource.bmp", kTargetLeft, 0));
  // Both rows of stars are complete: 7 or 8 stars each, 76 to 85 pixels apart from x = 30.
  for (const int row : {510, 430}) {
    EXPECT_GE(StarsInRow(shot, row), 7) << row;
    EXPECT_LE(StarsInRow(shot, row), 8) << row;
  }
}

// Clicked, then dragged: the stair snaps into its hole and the row keeps its gap; a click in
// the gap picks up nothing; the door 60 pixels off its place is wrong and stays on the pointer;
// let go in the tray it goes back into a rebuilt row; a held key acts once; a tap still carries
// a piece; a new puzzle or Escape during a drag drops nothing, and letting go over the menu's
// Maze picture starts nothing.
TEST(PicturePuzzle, AWrongDropKeepsThePieceTheTrayTakesItBackAndPiecesCanBeDragged) {
  const auto tray = TrayPoints(kHouse);
  const std::string shots[2] = {"click", "drag"};
  Scenario s;
  const Result r = s.Run(
      kOpenPuzzle + ClickAt(tray[0]) + ClickAt(Over(kStair)) + "shot gap.png\n" + Click(50, 435) +
      "move 300 200\nwait 20\nshot gap2.png\n" + ClickAt(tray[1]) + ClickAt(Over(kDoor, 60, 0)) +
      "shot click-wrong.png\n" + Click(300, 500) + "shot click-back.png\n" +
      "keydown Space\nwait 20\nkeydown Space\nwait 20\nkeyup Space\nwait 20\n" +
      "key Right\nwait 50\nshot fresh.png\n" + Drag(tray[0], Over(kStair)) + "shot placed.png\n" +
      Drag(tray[1], Over(kDoor, 60, 0)) + "shot drag-wrong.png\n" +
      Drag(Over(kDoor, 60, 0), {300, 500}) + "shot drag-back.png\n" +
      "move 40 450\ndown\nup\nwait 20\nmove 300 200\nwait 20\nshot tapped.png\n" +
      ClickAt(Over(kDoor)) +
      "move 110 438\ndown\nwait 20\nmove 300 200\nwait 20\nkey Right\nwait 20\nmove 600 300\n"
      "wait 20\nup\nwait 20\nshot reset.png\n"
      "move 50 435\ndown\nwait 20\nmove 300 200\nwait 20\nkey Escape\nwait 600\n"
      "move 400 325\nwait 20\nup\nwait 1000\n");
  EXPECT_EQ(Heard(r), (std::vector<std::string>{kCorrect, kWrong, kBack, kSelect, kCorrect, kWrong,
                                                kBack, kCorrect}));
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleForm"), 1);
  EXPECT_EQ(Count(r.trace, "show MazeForm"), 0);

  const auto gap = s.Shot("gap.png");
  EXPECT_TRUE(ShowsPiece(gap, "Stair", kTargetLeft + kStair.x, kStair.y));
  EXPECT_TRUE(ShowsPiece(gap, "Door", 96, 420));  // the row keeps its gap
  EXPECT_TRUE(SameRegion(gap, s.Shot("gap2.png"), 0, 0, 800, 600));
  EXPECT_TRUE(ShowsPiece(s.Shot("placed.png"), "Stair", kTargetLeft + kStair.x, kStair.y));
  for (const std::string& way : shots) {
    EXPECT_TRUE(ShowsPiece(s.Shot(way + "-wrong.png"), "Door", kTargetLeft + kDoor.x + 60, kDoor.y))
        << way;
    const auto back = s.Shot(way + "-back.png");
    EXPECT_TRUE(ShowsPiece(back, "Door", 10, 420)) << way;
    EXPECT_TRUE(ShowsPiece(back, "BushLeft", 71, 420)) << way;
  }
  EXPECT_TRUE(
      ShowsPiece(s.Shot("tapped.png"), "Door", 300 - kDoor.width / 2, 200 - kDoor.height / 2));
  EXPECT_TRUE(SameRegion(s.Shot("fresh.png"), s.Shot("reset.png"), 0, 0, 800, 600));
}

TEST(PicturePuzzle, TheOptionsChangeSceneAndDistanceAndCancelChangesNothing) {
  const SceneInfo& table = Scenes[1];
  const auto houseTray = TrayPoints(kHouse);
  const auto tableTray = TrayPoints(table);
  const PieceInfo& glass = table.pieces[1];
  auto drop = [](const PieceInfo& p, int dx) { return ClickAt(Over(p, dx, 0)); };
  Scenario s;
  const Result r =
      s.Run(kOpenPuzzle + "shot before.png\n" +
            // First opening: House and the medium distance. Left from the House shows the Garden;
            // easy, then cancel.
            "key F1\nwait 50\nshot house.png\n" + kDialog.Left() + "shot garden.png\n" +
            kDialog.Option(0) + kDialog.Cancel() + "shot cancelled.png\n" +
            // Still medium: 60 pixels off is wrong (easy would take it).
            ClickAt(houseTray[1]) + drop(kDoor, 60) + Click(300, 500) +
            // OK without a change keeps medium and starts a new puzzle.
            "key F1\nwait 50\n" + kDialog.Ok() + ClickAt(houseTray[1]) + drop(kDoor, 60) +
            Click(300, 500) +
            // Right, right from the Garden: House, Table; hard; OK.
            kOptions + kDialog.Left() + kDialog.Right() + kDialog.Right() + kDialog.Option(2) +
            kDialog.Ok() + "shot table.png\n" +
            // Hard: 30 pixels off is wrong, 20 snaps.
            ClickAt(tableTray[1]) + drop(glass, 30) + drop(glass, 20) +
            // Escape closes the dialog, and only the dialog.
            "shot played.png\nkey F1\nwait 50\nkey Escape\nwait 50\nshot escaped.png\n"
            "key Escape\nwait 50\n");
  EXPECT_EQ(Count(r.trace, "show PicturePuzzleOptions"), 4);
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleOptions"), 4);
  EXPECT_TRUE(SameRegion(s.Shot("played.png"), s.Shot("escaped.png"), 0, 0, 800, 600));
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleForm"), 1);
  EXPECT_EQ(Count(r.trace, kWrong), 3);
  EXPECT_EQ(Count(r.trace, kBack), 2);
  EXPECT_EQ(Count(r.trace, kCorrect), 1);
  EXPECT_TRUE(ShowsPicture(s.Shot("house.png"), "Gfx/PicturePuzzle/ScenarioIcon0.bmp", 360, 300));
  EXPECT_TRUE(ShowsPicture(s.Shot("garden.png"), "Gfx/PicturePuzzle/ScenarioIcon12.bmp", 360, 300));
  EXPECT_TRUE(SameRegion(s.Shot("before.png"), s.Shot("cancelled.png"), 0, 0, 800, 600));
  const auto shownTable = s.Shot("table.png");
  EXPECT_TRUE(ShowsPicture(shownTable, "Gfx/PicturePuzzle/Table/TableSource.bmp", 0, 0));
  EXPECT_TRUE(ShowsPicture(shownTable, "Gfx/PicturePuzzle/Table/TableTarget.bmp", kTargetLeft, 0));
  EXPECT_TRUE(ShowsPiece(shownTable, "Flower", 10, 420, "Table"));
}

// A missing piece picture is reported and leaves a gap; the puzzle can still be finished.
TEST(PicturePuzzle, AMissingPiecePictureLeavesAGapAndThePuzzleGoesOn) {
  Scenario s;
  const auto program = s.ProgramWithout("Gfx/PicturePuzzle/House/Door.bmp");
  const Result r = s.Run(
      kOpenPuzzle + SolveWithTheMouse(kHouse) + "wait 100\nkey Escape\nwait 50\n", 0, program);
  EXPECT_EQ(r.status, 0);
  int boxes = 0;
  for (const std::string& line : r.trace) {
    boxes += line.rfind("box Error|PicturePuzzle:", 0) == 0 &&
             line.find("Door.bmp") != std::string::npos;
  }
  EXPECT_GE(boxes, 1);
  EXPECT_EQ(Count(r.trace, kCorrect), kHouse.pieceCount);
  EXPECT_EQ(Count(r.trace, kDone), 1);
}

}  // namespace
}  // namespace scenario
