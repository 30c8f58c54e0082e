// The catalog of the menu with every game's form: the program's own, and the one tests play.
#pragma once
#include "games/collector/collector_form.h"
#include "games/dominotrain/dominotrain_form.h"
#include "games/dots/dots_form.h"
#include "games/lightpaint/light_paint_form.h"
#include "games/maze/maze_form.h"
#include "games/musicgame/music_game_form.h"
#include "games/picturepuzzle/picturepuzzle_form.h"
#include "games/scratch/scratch_form.h"
#include "shell/game_catalog.h"

namespace games {

// A game's form, created afresh on every launch.
template <typename GameForm>
platform::Form& Create(platform::Runtime& runtime, platform::Form& menu) {
  return runtime.Create<GameForm>(menu);
}

inline shell::GameCatalog AllGames() {
  shell::GameCatalog catalog = shell::BaseCatalog();
  catalog[0].create = Create<dominotrain::DominoTrainForm>;
  catalog[1].create = Create<collector::CollectorForm>;
  catalog[2].create = Create<dots::DotsForm>;
  catalog[3].create = Create<maze::MazeForm>;
  catalog[4].create = Create<picturepuzzle::PicturePuzzleForm>;
  catalog[5].create = Create<lightpaint::LightPaintForm>;
  catalog[6].create = Create<musicgame::MusicGameForm>;
  catalog[7].create = Create<scratch::ScratchForm>;
  return catalog;
}

}  // namespace games
