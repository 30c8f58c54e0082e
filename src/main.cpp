#include "games/collector/collector_form.h"
#include "games/dots/dots_form.h"
#include "games/maze/maze_form.h"
#include "shell/game_catalog.h"
#include "shell/program.h"

namespace {

// Each built game's form, created afresh on every launch.
template <typename GameForm>
platform::Form& Create(platform::Runtime& runtime, platform::Form& menu) {
  return runtime.Create<GameForm>(menu);
}

}  // namespace

int main(int argc, char** argv) {
  shell::GameCatalog catalog = shell::BaseCatalog();
  catalog[1].create = Create<collector::CollectorForm>;
  catalog[2].create = Create<dots::DotsForm>;
  catalog[3].create = Create<maze::MazeForm>;
  return shell::RunProgram(argc, argv, std::move(catalog));
}
