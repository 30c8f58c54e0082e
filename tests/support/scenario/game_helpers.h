// What the games' replay tests share: the menu's icon places, script steps, settings left
// before a run, times read from the trace, pictures found on a screenshot, the options dialogs
// and the leak check.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "support/scenario/scenario.h"

namespace scenario {

enum class Game {
  DominoTrain,
  Collector,
  Dots,
  Maze,
  PicturePuzzle,
  LightPaint,
  MusicGame,
  Scratch
};

// The menu shows at 10000 + seed; this clicks the game's icon 600 ms later and waits.
std::string Open(Game game, int waitMs = 100);
// A click on the game's icon in the menu, with no wait.
std::string IconClick(Game game);

std::string At(int x, int y);  // "x y"
std::string Click(int x, int y, int waitMs = 20);
std::string Wait(int ms);  // nothing for 0
// `count` presses of a key, each followed by a wait.
std::string Keys(const std::string& key, int count = 1, int waitMs = 20);
// A press at `from`, `steps` moves of 20 ms on the straight line to `to`, and the release there.
std::string Drag(std::pair<int, int> from, std::pair<int, int> to, int steps = 3);

// The settings file as a grown-up left it at the last run.
void WriteSettings(Scenario& s, const std::string& ini);

// The times of the trace lines equal to `line`; the first at or after `from`, or -1.
std::vector<long> TimesOf(const Result& r, const std::string& line);
long FirstTime(const Result& r, const std::string& line, long from = 0);
// How many trace lines start with `prefix`.
int CountPrefix(const Result& r, const std::string& prefix);

// At least `percent` of the opaque pixels (black in the mask) of the w x h part of a picture
// whose left edge is `srcX` (the whole picture by default) are on the shot at (x, y).
bool PictureAt(const platform::Surface& shot, const platform::Surface& picture,
               const platform::Surface& mask, int x, int y, int percent = 100, int srcX = 0,
               int w = -1, int h = -1);

// Every time the menu came back (`visits` times), as many surfaces lived as when it first showed.
::testing::AssertionResult NoSurfaceLeaked(const Result& r, std::size_t visits);

// The games' options dialogs, centred on the screen: three option pictures in a row, the
// scene arrows below them (tall dialogs only), OK and cancel at the bottom.
struct OptionsDialog {
  int top, height;
  std::string Option(int i) const { return Click(272 + 128 * i, top + 85); }
  std::string Left() const { return Click(280, top + 210); }
  std::string Right() const { return Click(520, top + 210); }
  std::string Ok() const { return Click(335, top + height - 40, 50); }
  std::string Cancel() const { return Click(465, top + height - 40, 50); }
  // The option picture with the orange selection ring round it: 0-2, -1 for none, -2 for two.
  int Selected(const platform::Surface& shot) const;
};
inline constexpr OptionsDialog kTallDialog{130, 340};   // Maze, Dots, Picture puzzle
inline constexpr OptionsDialog kShortDialog{185, 230};  // Collector, Domino train

// The orange ring that marks a selected option or colour.
bool Ringed(const platform::Surface& shot, int x, int y);

}  // namespace scenario
