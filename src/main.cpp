#include "shell/game_catalog.h"
#include "shell/program.h"

int main(int argc, char** argv) {
  shell::GameCatalog catalog = shell::BaseCatalog();
  return shell::RunProgram(argc, argv, std::move(catalog));
}
