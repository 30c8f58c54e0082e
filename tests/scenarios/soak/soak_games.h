// What the soak knows about each game's screen: where its buttons and play areas lie, the keys
// it plays with, its options dialog, and how often a child does each kind of thing in it.
#pragma once
#include <string>
#include <vector>

#include "soak_writer.h"

namespace soak {

// The kinds of input the generator makes; a game's weights say how often each comes.
enum Action {
  kTapKey,      // one of the game's keys, pressed and let go
  kHoldKey,     // one of the game's keys held down for a while
  kAnyKey,      // any key name at all
  kClick,       // a click where the game has something to click
  kPlace,       // a click on something, then a click where it could go
  kDrag,        // press, move across, let go
  kScribble,    // a long wandering drag
  kDblClick,    // a double click
  kHover,       // the pointer wanders without a button
  kRightClick,  // the right button
  kIdle,        // nothing for a few seconds: animations run on
  kNext,        // the next button
  kOptions,     // the options dialog opened, used and closed
  kEscape,      // Escape by accident: the game ends and is started again
  kStop,        // the stop button by accident: the same
  kResync,      // a click on the game's menu icon (nothing in the game; starts it from the menu)
  kActionCount
};

// A modal dialog: where its controls are on the screen.
struct DialogShape {
  Area whole;
  std::vector<Area> controls;
  Area ok;
  Area cancel;
};

struct Game {
  const char* form = "";
  // Launches the game from the menu; a click there does nothing harmful in the game itself.
  Point icon;
  Area stop;
  bool hasOptions = false;
  Area options;
  bool hasNext = false;
  Area next;
  bool hasDialog = false;
  DialogShape dialog;
  // The dialog opens from the options button or F1; otherwise from a double click on one of
  // these areas.
  std::vector<Area> dialogOpeners;
  // Escape leaves even while another key is held, so a key held over Escape keeps the menu
  // from taking that Escape if the game has just ended by itself.
  bool escapeThroughHeldKey = false;
  // A playing sound keeps the game from ending: a key first silences it.
  bool silenceFirst = false;
  std::vector<std::string> keys;
  std::vector<Area> clickAreas;
  std::vector<Area> dragFrom;
  std::vector<Area> dragTo;
  std::vector<Area> dblClickAreas;
  std::vector<int> weights;  // by Action
};

const Game& GameAt(int index);

// Every key name a script knows, Escape last.
const std::vector<std::string>& AllKeyNames();

// A point that the generator may press without aiming at it: not on the game's own buttons and
// not where the menu's stop and sound buttons lie, in case the menu is in front.
bool FreeToPress(const Game& game, Point p);

}  // namespace soak
