// Start-up and shutdown of the whole program.
#pragma once
#include "shell/game_catalog.h"

namespace shell {

// Reads the command line, opens the window (or the headless replay), shows the menu of the
// catalog's games and runs until the program ends. Returns the exit status: 0 when it ended
// normally (also --help, and a second copy, which ends at once), 1 when there is no display or
// the window could not open, 2 for a malformed command line or replay script.
int RunProgram(int argc, const char* const* argv, GameCatalog catalog);

}  // namespace shell
