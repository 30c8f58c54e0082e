#include "games/all_games.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  return shell::RunProgram(argc, argv, games::AllGames());
}
