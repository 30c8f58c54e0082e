// Where each game's buttons and play areas lie, the keys it plays with, its options dialog, and
// how often a child does each kind of thing in it.
#include <array>

#include "soak.h"
#include "soak_input.h"

namespace soak {

const char* const kFormNames[kGames] = {"DominoTrainForm", "CollectorForm",     "DotsForm",
                                        "MazeForm",        "PicturePuzzleForm", "LightPaintForm",
                                        "MusicGameForm",   "ScratchForm"};

namespace {

// Buttons are 50 x 50 from their floored place; a hit must lie strictly inside.
Area Button(int left, int top) {
  return {left + 1, top + 1, 48, 48};
}

// A dialog centred on the screen; controls are given in the dialog's own pixels, and OK and
// cancel are 110 x 56 buttons at `buttonsY`.
DialogShape Dialog(int w, int h, const std::vector<Area>& controls, int okX, int cancelX,
                   int buttonsY) {
  DialogShape d;
  d.whole = {(800 - w) / 2, (600 - h) / 2, w, h};
  const auto in = [&](Area a) { return Area{d.whole.x + a.x, d.whole.y + a.y, a.w, a.h}; };
  for (const Area& a : controls) d.controls.push_back(in(a));
  d.ok = in({okX, buttonsY, 110, 56});
  d.cancel = in({cancelX, buttonsY, 110, 56});
  return d;
}

// Three option buttons, then OK and cancel (and, with `scenarios`, the scenario arrows).
DialogShape ChoiceDialog(bool scenarios) {
  std::vector<Area> controls;
  for (int i = 0; i < 3; ++i) controls.push_back({44 + 128 * i, 37, 96, 96});
  if (scenarios) controls.insert(controls.end(), {{70, 180, 60, 60}, {310, 180, 60, 60}});
  return Dialog(440, scenarios ? 340 : 230, controls, 100, 230, scenarios ? 272 : 162);
}

// The Scratch game's: two rows of three options, the scene arrows.
DialogShape ScratchDialog() {
  std::vector<Area> controls;
  for (int x : {55, 205, 355})
    controls.insert(controls.end(), {{x, 28, 110, 88}, {x, 152, 110, 88}});
  controls.insert(controls.end(), {{70, 296, 60, 60}, {390, 296, 60, 60}});
  return Dialog(520, 470, controls, 130, 280, 400);
}

// Light paint's colour chooser: six rows of eight swatches.
DialogShape ColourChooser() {
  std::vector<Area> controls;
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 8; ++column)
      controls.push_back({25 + 50 * column, 25 + 50 * row, 40, 40});
  }
  return Dialog(440, 415, controls, 100, 230, 335);
}

// The stop button at (675, y), the options button right of it, the next button above that.
void Buttons(Game& g, int right, int y, bool next, DialogShape dialog) {
  g.stop = Button(675, y);
  g.options = Button(right, y);
  if (next) g.next = Button(right, 475);
  g.dialog = std::move(dialog);
}

// Where the game is clicked, dragged from and to, and double clicked.
void Areas(Game& g, std::vector<Area> click, std::vector<Area> from, std::vector<Area> to,
           std::vector<Area> dblClick = {}) {
  g.clickAreas = std::move(click);
  g.dragFrom = std::move(from);
  g.dragTo = std::move(to);
  g.dblClickAreas = std::move(dblClick);
}

const Area kWhole{0, 0, 800, 600};

std::array<Game, kGames> MakeGames() {
  std::array<Game, kGames> g;
  // Weights: tap hold any click place drag scribble dblclick hover right idle next options
  // escape stop resync.
  Game& domino = g[0];
  domino.icon = {250, 150};
  Buttons(domino, 737, 537, true, ChoiceDialog(false));
  domino.keys = {"Space", "Space", "Space", "Enter", "Enter", "Right"};
  const Area wagons{20, 320, 744, 276}, track{0, 100, 800, 182};
  Areas(domino, {wagons, wagons, track}, {wagons}, {track}, {wagons, track});
  domino.weights = {14, 3, 6, 12, 25, 10, 2, 2, 3, 1, 3, 2, 3, 1, 1, 0};

  Game& collector = g[1];
  collector.icon = {550, 150};
  Buttons(collector, 738, 538, false, ChoiceDialog(false));
  collector.escapeThroughHeldKey = true;
  // A round ends by itself (and a click or key in its ending goes to the menu), so until the
  // next click on its icon starts a new round, its input reaches the menu. It is kept harmless
  // there: no Space (which would move the menu's highlight off the Collector for Enter), clicks
  // only above the menu's icons, no wandering pointer. The icon click comes often.
  collector.keys = {"Left", "Left", "Left", "Right", "Right", "Enter"};
  const Area top{0, 0, 800, 70};
  Areas(collector, {top}, {top}, {top});
  collector.weights = {15, 30, 5, 2, 0, 1, 0, 0, 0, 1, 4, 0, 2, 1, 1, 8};

  Game& dots = g[2];
  dots.icon = {150, 325};
  Buttons(dots, 737, 537, true, ChoiceDialog(true));
  // Space joins the next dot, so pictures get finished and come alive.
  dots.keys = {"Space", "Space", "Space", "Space", "Space", "Space", "Space", "Space", "Right"};
  Areas(dots, {kWhole}, {kWhole}, {kWhole}, {kWhole});
  dots.weights = {60, 2, 6, 12, 6, 8, 2, 1, 3, 1, 3, 2, 3, 1, 1, 0};

  Game& maze = g[3];
  maze.icon = {400, 325};
  Buttons(maze, 737, 537, true, ChoiceDialog(true));
  maze.keys = {"Up",   "Down",  "Left",  "Right", "Up",       "Down",
               "Left", "Right", "Enter", "Space", "Backspace"};
  Areas(maze, {kWhole}, {kWhole}, {kWhole});
  maze.weights = {60, 8, 5, 3, 0, 1, 0, 0, 1, 1, 2, 1, 3, 1, 1, 0};

  Game& puzzle = g[4];
  puzzle.icon = {650, 325};
  Buttons(puzzle, 738, 538, true, ChoiceDialog(true));
  puzzle.escapeThroughHeldKey = true;
  puzzle.keys = {"Space", "Space", "Enter", "Enter", "Right"};
  const Area tray{0, 420, 650, 180}, picture{405, 0, 395, 395};
  Areas(puzzle, {tray, tray, picture}, {tray}, {picture}, {tray, picture});
  puzzle.weights = {14, 2, 5, 12, 22, 10, 0, 1, 3, 1, 3, 2, 3, 1, 1, 0};

  Game& paint = g[5];
  paint.icon = {175, 500};
  paint.stop = Button(737, 537);
  paint.dialog = ColourChooser();
  // A double click on one of the eight colour buttons opens the chooser.
  for (int i = 0; i < 8; ++i) paint.dialogOpeners.push_back({7, 50 * i + 6, 39, 39});
  paint.escapeThroughHeldKey = true;
  paint.keys = {"Backspace"};
  const Area colours{7, 6, 39, 489}, tools{30, 535, 668, 41}, canvas{70, 0, 730, 500};
  Areas(paint, {colours, colours, tools, tools, tools, canvas, canvas}, {canvas}, {canvas},
        {colours, tools, canvas});
  paint.weights = {4, 1, 5, 30, 8, 22, 8, 2, 3, 1, 2, 0, 3, 1, 1, 0};

  Game& music = g[6];
  // Between the second and third member of the row, so the click takes up nobody.
  music.icon = {415, 500};
  music.stop = Button(738, 538);
  music.silenceFirst = true;
  music.keys = {"Space", "Space", "Enter", "Enter"};
  const Area row{50, 435, 730, 160}, stage{140, 40, 530, 250}, drop{145, 110, 515, 140};
  Areas(music, {row, row, stage, drop}, {row}, {drop}, {row, stage});
  music.weights = {12, 2, 5, 14, 22, 10, 0, 1, 3, 1, 4, 0, 0, 1, 1, 0};

  Game& scratch = g[7];
  scratch.icon = {625, 500};
  Buttons(scratch, 738, 538, false, ScratchDialog());
  scratch.keys = {"Space", "Space", "Space", "Right"};
  Areas(scratch, {kWhole}, {kWhole}, {kWhole});
  scratch.weights = {16, 2, 5, 4, 0, 8, 30, 0, 2, 1, 5, 0, 3, 1, 1, 0};

  for (int i = 0; i < kGames; ++i) g[i].form = kFormNames[i];
  return g;
}

}  // namespace

const Game& GameAt(int index) {
  static const std::array<Game, kGames> games = MakeGames();
  return games.at(index);
}

const std::vector<std::string> kKeyNames = {
    "Enter", "Space", "Backspace", "Tab", "Left", "Right", "Up", "Down", "F1", "A",     "B", "C",
    "D",     "E",     "F",         "G",   "H",    "I",     "J",  "K",    "L",  "M",     "N", "O",
    "P",     "Q",     "R",         "S",   "T",    "U",     "V",  "W",    "X",  "Y",     "Z", "0",
    "1",     "2",     "3",         "4",   "5",    "6",     "7",  "8",    "9",  "Escape"};

bool FreeToPress(const Game& game, Point p) {
  // The menu's stop button (737, 537) and sound button (737, 475), with a margin.
  if (p.x >= 734 && p.y >= 472) return false;
  const Area stop{game.stop.x - 3, game.stop.y - 3, game.stop.w + 6, game.stop.h + 6};
  return !stop.Contains(p);
}

}  // namespace soak
