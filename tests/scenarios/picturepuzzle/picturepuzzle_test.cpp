// The Picture puzzle played through replay scripts. Where the pieces lie comes from the game's
// scene table and the tray rule (a row from x = 10, 5 pixels apart); what happened is read from
// the trace and from screenshots compared with the built pictures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/picturepuzzle/puzzle_scenes.h"
#include "support/scenario/scenario.h"

namespace scenario {
namespace {

using picturepuzzle::PieceInfo;
using picturepuzzle::SceneInfo;
using picturepuzzle::Scenes;

const std::string kOpenPuzzle = "wait 600\nclick 650 325\nwait 300\n";
const std::string kCorrect = "sound 1 1 Sfx\\PicturePuzzle\\Correct.wav";
const std::string kWrong = "sound 1 1 Sfx\\PicturePuzzle\\Wrong.wav";
const std::string kBack = "sound 1 1 Sfx\\PicturePuzzle\\back.wav";
const std::string kDone = "sound 1 1 Sfx\\PicturePuzzle\\done.wav";
const std::string kSelect = "sound 1 1 Sfx\\PicturePuzzle\\Select.wav";
const std::string kStopSounds = "sound 1 1 Sfx\\Silence.wav";
constexpr int kTargetLeft = 405;

std::string Click(int x, int y) {
  return "click " + std::to_string(x) + " " + std::to_string(y) + "\nwait 20\n";
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
  for (int i = 0; i < scene.pieceCount; ++i) {
    const auto [px, py] = Over(scene.pieces[i]);
    script += Click(tray[i].first, tray[i].second) + Click(px, py);
  }
  return script;
}

// The picture (with its mask) shows at (x, y) of the shot.
bool Shows(const platform::Surface& shot, const platform::Surface& picture,
           const platform::Surface& mask, int x, int y) {
  for (int py = 0; py < picture.height(); ++py) {
    for (int px = 0; px < picture.width(); ++px) {
      if (platform::GetPixel(mask, px, py) != 0) continue;
      if (platform::GetPixel(shot, x + px, y + py) != platform::GetPixel(picture, px, py)) {
        return false;
      }
    }
  }
  return true;
}

// The celebration stars in one row (their tops at `top` .. top + 5, their left edges 30..600).
int StarsInRow(const platform::Surface& shot, int top) {
  static const platform::Surface star = Picture("Gfx/PicturePuzzle/Star.bmp");
  static const platform::Surface mask = Picture("Gfx/PicturePuzzle/StarMask.bmp");
  int found = 0;
  for (int x = 30; x <= 600; ++x) {
    for (int y = top; y <= top + 5; ++y) {
      if (Shows(shot, star, mask, x, y)) {
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
  platform::Surface cut(picture.width(), picture.height());
  platform::Blit(cut, 0, 0, picture.width(), picture.height(), shot, x, y, platform::Rop::Copy);
  return SameRegion(cut, picture, 0, 0, picture.width(), picture.height());
}

bool ShowsPiece(const platform::Surface& shot, const std::string& scene, const std::string& piece,
                int x, int y) {
  const std::string base = "Gfx/PicturePuzzle/" + scene + "/" + piece;
  return Shows(shot, Picture(base + ".bmp"), Picture(base + "Mask.bmp"), x, y);
}

// The lines of the trace after the first one equal to `from`.
std::vector<std::string> After(const Result& r, const std::string& from) {
  auto it = std::find(r.trace.begin(), r.trace.end(), from);
  return it == r.trace.end() ? std::vector<std::string>{}
                             : std::vector<std::string>(it + 1, r.trace.end());
}

TEST(PicturePuzzle, SolvedWithTheMouseThenAKeyDuringTheStarsStartsANewPuzzle) {
  const SceneInfo& house = Scenes[0];
  Scenario s;
  const Result r = s.Run(kOpenPuzzle + SolveWithTheMouse(house) +
                         "wait 150\nshot first.png\nwait 1080\nshot stars.png\n"
                         "key A\nwait 100\nshot new.png\nwait 6000\nshot later.png\n"
                         "key Escape\nwait 50\n");
  EXPECT_EQ(Count(r.trace, kCorrect), house.pieceCount);
  EXPECT_EQ(Count(r.trace, kWrong) + Count(r.trace, kBack), 0);
  ASSERT_EQ(Count(r.trace, kDone), 1);
  EXPECT_EQ(After(r, kDone).front(), kStopSounds) << "the key stops the fanfare";

  // The stars come one by one, the lower row first.
  const auto first = s.Shot("first.png");
  EXPECT_EQ(StarsInRow(first, 510), 1);
  EXPECT_EQ(StarsInRow(first, 430), 0);
  const auto stars = s.Shot("stars.png");
  EXPECT_EQ(StarsInRow(stars, 510), 4);  // one every 350 ms: at 0, 350, 700 and 1050
  EXPECT_EQ(StarsInRow(stars, 430), 0);
  // Solved, the right-hand picture is the complete picture.
  EXPECT_TRUE(ShowsPicture(stars, "Gfx/PicturePuzzle/House/HouseSource.bmp", kTargetLeft, 0));

  // The key brought a new puzzle: holes on the right, the pieces back in the tray, no stars, and
  // no star is drawn any more after it.
  const auto fresh = s.Shot("new.png");
  EXPECT_TRUE(ShowsPicture(fresh, "Gfx/PicturePuzzle/House/HouseTarget.bmp", kTargetLeft, 0));
  EXPECT_TRUE(ShowsPiece(fresh, "House", "Stair", 10, 420));
  EXPECT_EQ(StarsInRow(fresh, 510), 0);
  EXPECT_TRUE(SameRegion(fresh, s.Shot("later.png"), 0, 0, 800, 600));
  EXPECT_TRUE(Contains(r.trace, "unload PicturePuzzleForm"));
}

// Space frames the next piece, Enter lifts it onto a place, Space moves it on, Enter drops it:
// repeated, this solves any scene. The first run finds how many rounds it takes (the places
// offered depend on the random numbers of the seed); the second stops right there.
TEST(PicturePuzzle, SolvedWithTheKeyboardAlone) {
  const SceneInfo& house = Scenes[0];
  auto rounds = [](int n) {
    std::string script;
    for (int i = 0; i < n; ++i) script += "key Space\nwait 10\nkey Enter\nwait 10\n";
    return script;
  };
  Scenario s;
  const Result probe = s.Run(kOpenPuzzle + rounds(60), 7, {}, "probe");
  ASSERT_GE(Count(probe.trace, kDone), 1);
  int needed = 0;
  for (const std::string& line : probe.trace) {
    if (line == kDone) break;
    needed += line == kSelect;
  }
  // Each piece takes a round to lift and at most one round per place to come round to its own.
  EXPECT_GE(needed, 2 * house.pieceCount);
  EXPECT_LE(needed, house.pieceCount * (house.pieceCount + 1));

  const Result r = s.Run(kOpenPuzzle + rounds(needed) + "wait 6000\nshot done.png\n", 7);
  EXPECT_EQ(Count(r.trace, kCorrect), house.pieceCount);
  EXPECT_EQ(Count(r.trace, kDone), 1);
  const auto done = s.Shot("done.png");
  EXPECT_TRUE(ShowsPicture(done, "Gfx/PicturePuzzle/House/HouseSource.bmp", kTargetLeft, 0));
  // Both rows of stars are complete: 7 or 8 stars each, 76 to 85 pixels apart from x = 30.
  for (const int row : {510, 430}) {
    EXPECT_GE(StarsInRow(done, row), 7) << row;
    EXPECT_LE(StarsInRow(done, row), 8) << row;
  }
}

TEST(PicturePuzzle, AWrongDropKeepsThePieceAndTheTrayTakesItBack) {
  const SceneInfo& house = Scenes[0];
  const PieceInfo& stair = house.pieces[0];
  const PieceInfo& door = house.pieces[1];
  const auto tray = TrayPoints(house);
  const auto [stairX, stairY] = Over(stair);
  const auto [doorX, doorY] = Over(door, 60, 0);  // 60 pixels right of its place
  Scenario s;
  const Result r = s.Run(kOpenPuzzle + Click(tray[0].first, tray[0].second) +
                         Click(stairX, stairY) + "shot gap.png\n" +
                         // a click in the stair's gap picks up nothing
                         Click(50, 435) + "move 300 200\nwait 20\nshot gap2.png\n" +
                         Click(tray[1].first, tray[1].second) + Click(doorX, doorY) +
                         "shot wrong.png\n" + Click(300, 500) + "shot back.png\n" +
                         // a held key acts once
                         "keydown Space\nwait 20\nkeydown Space\nwait 20\nkeyup Space\nwait 20\n" +
                         "key Escape\nwait 50\n");
  const std::vector<std::string> sounds = {kCorrect, kWrong, kBack, kSelect};
  std::vector<std::string> heard;
  for (const std::string& line : r.trace) {
    if (std::find(sounds.begin(), sounds.end(), line) != sounds.end()) heard.push_back(line);
  }
  EXPECT_EQ(heard, sounds);

  const auto gap = s.Shot("gap.png");
  EXPECT_TRUE(ShowsPiece(gap, "House", "Stair", kTargetLeft + stair.x, stair.y));
  EXPECT_TRUE(ShowsPiece(gap, "House", "Door", 96, 420));  // the row keeps its gap
  EXPECT_TRUE(SameRegion(gap, s.Shot("gap2.png"), 0, 0, 800, 600));
  // The wrong drop leaves the door hanging under the pointer.
  EXPECT_TRUE(ShowsPiece(s.Shot("wrong.png"), "House", "Door", kTargetLeft + door.x + 60, door.y));
  // Back in the tray, the row is rebuilt without the placed stair.
  const auto back = s.Shot("back.png");
  EXPECT_TRUE(ShowsPiece(back, "House", "Door", 10, 420));
  EXPECT_TRUE(ShowsPiece(back, "House", "BushLeft", 71, 420));
}

// Press at `from`, move in three steps of 20 ms to `to` and let go there.
std::string Drag(std::pair<int, int> from, std::pair<int, int> to) {
  auto at = [](int x, int y) { return std::to_string(x) + " " + std::to_string(y); };
  return "move " + at(from.first, from.second) + "\ndown\nwait 20\nmove " +
         at((2 * from.first + to.first) / 3, (2 * from.second + to.second) / 3) + "\nwait 20\n" +
         "move " + at((from.first + 2 * to.first) / 3, (from.second + 2 * to.second) / 3) +
         "\nwait 20\nmove " + at(to.first, to.second) + "\nup\nwait 20\n";
}

TEST(PicturePuzzle, PiecesCanBeDraggedAndATapStillCarriesThePiece) {
  const SceneInfo& house = Scenes[0];
  const PieceInfo& stair = house.pieces[0];
  const PieceInfo& door = house.pieces[1];
  const auto tray = TrayPoints(house);
  Scenario s;
  const Result r =
      s.Run(kOpenPuzzle + "shot fresh.png\n" +
            // The stair dragged into its hole snaps in.
            Drag(tray[0], Over(stair)) + "shot placed.png\n" +
            // The door let go 60 pixels off its place stays on the pointer, as after a click; a
            // press there carries it on, and letting go in the tray puts it back into the row.
            Drag(tray[1], Over(door, 60, 0)) + "shot wrong.png\n" +
            Drag(Over(door, 60, 0), {300, 500}) + "shot back.png\n" +
            // A tap picks the door up and it hangs on the pointer; the next click drops it.
            "move 40 450\ndown\nup\nwait 20\nmove 300 200\nwait 20\nshot tapped.png\n" +
            Click(Over(door).first, Over(door).second) +
            // A new puzzle during a drag: letting go drops nothing.
            "move 110 438\ndown\nwait 20\nmove 300 200\nwait 20\nkey Right\nwait 20\nmove 600 300\n"
            "wait 20\nup\nwait 20\nshot reset.png\n" +
            // Escape during a drag; letting go over the menu's Maze picture starts nothing.
            "move 50 435\ndown\nwait 20\nmove 300 200\nwait 20\nkey Escape\nwait 600\n"
            "move 400 325\nwait 20\nup\nwait 1000\n");
  const std::vector<std::string> sounds = {kCorrect, kWrong, kBack, kSelect};
  std::vector<std::string> heard;
  for (const std::string& line : r.trace) {
    if (std::find(sounds.begin(), sounds.end(), line) != sounds.end()) heard.push_back(line);
  }
  EXPECT_EQ(heard, (std::vector<std::string>{kCorrect, kWrong, kBack, kCorrect}));
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleForm"), 1);
  EXPECT_EQ(Count(r.trace, "show MazeForm"), 0);

  EXPECT_TRUE(ShowsPiece(s.Shot("placed.png"), "House", "Stair", kTargetLeft + stair.x, stair.y));
  EXPECT_TRUE(ShowsPiece(s.Shot("wrong.png"), "House", "Door", kTargetLeft + door.x + 60, door.y));
  const auto back = s.Shot("back.png");
  EXPECT_TRUE(ShowsPiece(back, "House", "Door", 10, 420));
  EXPECT_TRUE(ShowsPiece(back, "House", "BushLeft", 71, 420));
  EXPECT_TRUE(ShowsPiece(s.Shot("tapped.png"), "House", "Door", 300 - door.width / 2,
                         200 - door.height / 2));
  EXPECT_TRUE(SameRegion(s.Shot("fresh.png"), s.Shot("reset.png"), 0, 0, 800, 600));
}

// The options dialog lies centred: (180, 130), 440 x 340; the preview at (360, 300).
const std::string kOptionsButton = "click 763 563\nwait 50\n";
const std::string kEasy = "click 272 215\nwait 20\n";
const std::string kHard = "click 528 215\nwait 20\n";
const std::string kLeft = "click 280 340\nwait 20\n";
const std::string kRight = "click 520 340\nwait 20\n";
const std::string kOk = "click 335 430\nwait 50\n";
const std::string kCancel = "click 465 430\nwait 50\n";

TEST(PicturePuzzle, TheOptionsChangeSceneAndDistanceAndCancelChangesNothing) {
  const SceneInfo& house = Scenes[0];
  const SceneInfo& table = Scenes[1];
  const auto houseTray = TrayPoints(house);
  const auto tableTray = TrayPoints(table);
  const PieceInfo& door = house.pieces[1];
  const PieceInfo& glass = table.pieces[1];
  auto drop = [](const PieceInfo& p, int dx) {
    const auto [x, y] = Over(p, dx, 0);
    return Click(x, y);
  };
  Scenario s;
  const Result r =
      s.Run(kOpenPuzzle + "shot before.png\n" +
            // First opening: House and the medium distance. Left from the House shows the Garden;
            // easy, then cancel.
            "key F1\nwait 50\nshot house.png\n" + kLeft + "shot garden.png\n" + kEasy + kCancel +
            "shot cancelled.png\n" +
            // Still medium: 60 pixels off is wrong (easy would take it).
            Click(houseTray[1].first, houseTray[1].second) + drop(door, 60) + Click(300, 500) +
            // OK without a change keeps medium and starts a new puzzle.
            "key F1\nwait 50\n" + kOk + Click(houseTray[1].first, houseTray[1].second) +
            drop(door, 60) + Click(300, 500) +
            // Right, right from the Garden: House, Table; hard; OK.
            kOptionsButton + kLeft + kRight + kRight + kHard + kOk + "shot table.png\n" +
            // Hard: 30 pixels off is wrong, 20 snaps.
            Click(tableTray[1].first, tableTray[1].second) + drop(glass, 30) + drop(glass, 20) +
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
  EXPECT_TRUE(ShowsPiece(shownTable, "Table", "Flower", 10, 420));
}

// A missing piece picture is reported and leaves a gap; the puzzle can still be finished.
TEST(PicturePuzzle, AMissingPiecePictureLeavesAGapAndThePuzzleGoesOn) {
  const SceneInfo& house = Scenes[0];
  Scenario s;
  const auto program = s.ProgramWithout("Gfx/PicturePuzzle/House/Door.bmp");
  const Result r =
      s.Run(kOpenPuzzle + SolveWithTheMouse(house) + "wait 100\nkey Escape\nwait 50\n", 0, program);
  EXPECT_EQ(r.status, 0);
  int boxes = 0;
  for (const std::string& line : r.trace) {
    boxes += line.rfind("box Error|PicturePuzzle:", 0) == 0 &&
             line.find("Door.bmp") != std::string::npos;
  }
  EXPECT_GE(boxes, 1);
  EXPECT_EQ(Count(r.trace, kCorrect), house.pieceCount);
  EXPECT_EQ(Count(r.trace, kDone), 1);
}

// A game that frees every picture it made brings the menu back to the same surface count.
TEST(PicturePuzzle, PlayingAndLeavingTwiceFreesEveryPicture) {
  const SceneInfo& house = Scenes[0];
  const auto tray = TrayPoints(house);
  const auto [stairX, stairY] = Over(house.pieces[0]);
  Scenario s;
  const Result r = s.Run(
      kOpenPuzzle + "shot fresh.png\n" + Click(tray[0].first, tray[0].second) +
      Click(stairX, stairY) + "click 763 500\nwait 50\nshot next.png\n" +  // Next
      Click(tray[0].first, tray[0].second) + Click(stairX, stairY) +
      "key Right\nwait 50\nshot right.png\n" + kOptionsButton + kCancel + SolveWithTheMouse(house) +
      "wait 800\nkey Escape\nwait 100\n" +                                // Escape during the stars
      kOpenPuzzle + kOptionsButton + kOk + "click 700 563\nwait 100\n");  // the stop button
  EXPECT_EQ(Count(r.trace, kDone), 1);
  EXPECT_EQ(Count(r.trace, "unload PicturePuzzleForm"), 2);
  const auto fresh = s.Shot("fresh.png");
  EXPECT_TRUE(SameRegion(fresh, s.Shot("next.png"), 0, 0, 800, 600));
  EXPECT_TRUE(SameRegion(fresh, s.Shot("right.png"), 0, 0, 800, 600));
  const std::vector<int> counts = SurfacesAtMenu(r);
  ASSERT_EQ(counts.size(), 3u);
  EXPECT_EQ(counts[1], counts[0]);
  EXPECT_EQ(counts[2], counts[0]);
}

}  // namespace
}  // namespace scenario
